-- Variation margin settlement status: table, view and import function.
--
-- Payload member -> column: id -> file_id (the clearing house's record id,
-- kept as text; the table's own id is an identity),
-- transactionTime -> transaction_time, type -> transaction_type,
-- dfundId -> default_fund_id, time -> vm_settlement_time, the others to the
-- column of the same name.
--
-- Natural key: (file_id, transaction_time): the record's id and time.
-- A row whose key is already stored, or appears earlier in the same payload,
-- is skipped, and so is a row whose members are all empty (a blank line of the
-- file).

CREATE TABLE IF NOT EXISTS ccp_vm_settlement_status_p (
    id                          bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    file_id                     text NOT NULL,
    transaction_time            timestamp,
    external_collateral_account varchar(20),
    collateral_account          varchar(20),
    transaction_type            varchar(3),
    member_id                   varchar(10),
    default_fund_id             varchar(10),
    amount                      double precision,
    status                      varchar(1),
    vm_settlement_time          timestamp,
    market                      varchar(2),
    debit_account               varchar(20),
    credit_account              varchar(20),
    conts_db                    text,
    conta_db                    text,
    conts_cr                    text,
    conta_cr                    text,
    data_nota_c                 date,
    data_ins_log                timestamp NOT NULL DEFAULT localtimestamp,
    CONSTRAINT ccp_vm_settlement_status_p_natural_key UNIQUE NULLS NOT DISTINCT
        (file_id, transaction_time)
);

CREATE OR REPLACE VIEW view_ccp_vm_settlement_status_p AS
SELECT id, transaction_time, external_collateral_account, collateral_account,
       transaction_type, member_id, default_fund_id, amount, status,
       vm_settlement_time, market, debit_account, credit_account, conts_db,
       conta_db, conts_cr, conta_cr, data_nota_c, data_ins_log, file_id
FROM ccp_vm_settlement_status_p;

-- The statement itself, as a SQL function: its payload parameter reaches
-- the plan as a parameter, not as a constant copied into the plan, which
-- matters for payloads of hundreds of megabytes.
CREATE OR REPLACE FUNCTION ccp_vm_settlement_status_p_insert(payload text)
RETURNS integer LANGUAGE sql AS $$
    WITH inserted AS (
    INSERT INTO ccp_vm_settlement_status_p (
        file_id, transaction_time, external_collateral_account,
        collateral_account, transaction_type, member_id, default_fund_id,
        amount, status, vm_settlement_time, market, debit_account,
        credit_account)
    SELECT ccp_required(x."id", 'id', x.ordinality),
           ccp_timestamp(x."transactionTime", 'transactionTime', x.ordinality),
           ccp_varchar(x."externalCollateralAccount", 20, 'externalCollateralAccount', x.ordinality),
           ccp_varchar(x."collateralAccount", 20, 'collateralAccount', x.ordinality),
           ccp_varchar(x."type", 3, 'type', x.ordinality),
           ccp_varchar(x."memberId", 10, 'memberId', x.ordinality),
           ccp_varchar(x."dfundId", 10, 'dfundId', x.ordinality),
           ccp_float8(x."amount", 'amount', x.ordinality),
           ccp_varchar(x."status", 1, 'status', x.ordinality),
           ccp_timestamp(x."time", 'time', x.ordinality),
           ccp_varchar(x."market", 2, 'market', x.ordinality),
           ccp_varchar(x."debitAccount", 20, 'debitAccount', x.ordinality),
           ccp_varchar(x."creditAccount", 20, 'creditAccount', x.ordinality)
    FROM ROWS FROM (json_to_recordset(payload::json) AS (
            "id" text, "transactionTime" text,
            "externalCollateralAccount" text, "collateralAccount" text,
            "type" text, "memberId" text, "dfundId" text, "amount" text,
            "status" text, "time" text, "market" text, "debitAccount" text,
            "creditAccount" text))
         WITH ORDINALITY AS x
    WHERE x."id" <> '' OR x."transactionTime" <> ''
       OR x."externalCollateralAccount" <> '' OR x."collateralAccount" <> ''
       OR x."type" <> '' OR x."memberId" <> '' OR x."dfundId" <> ''
       OR x."amount" <> '' OR x."status" <> '' OR x."time" <> ''
       OR x."market" <> '' OR x."debitAccount" <> '' OR x."creditAccount" <> ''
    ON CONFLICT ON CONSTRAINT ccp_vm_settlement_status_p_natural_key DO NOTHING
    RETURNING 1)
    SELECT count(*)::integer FROM inserted
$$;

CREATE OR REPLACE FUNCTION o_ins_ccp_vm_settlement_status_p(pjsonvmsettlementstatusp text)
RETURNS integer LANGUAGE plpgsql SECURITY DEFINER
SET search_path = public, pg_temp AS $$
BEGIN
    RETURN ccp_vm_settlement_status_p_insert(pjsonvmsettlementstatusp);
EXCEPTION WHEN data_exception THEN
    -- A value passed the quick checks but not its cast: find it again with
    -- the careful checks, which name the row and the member.
    PERFORM ccp_checked_timestamp(x."transactionTime", 'transactionTime', x.ordinality),
            ccp_checked_float8(x."amount", 'amount', x.ordinality),
            ccp_checked_timestamp(x."time", 'time', x.ordinality)
    FROM ROWS FROM (json_to_recordset(pjsonvmsettlementstatusp::json) AS (
            "transactionTime" text, "amount" text, "time" text))
         WITH ORDINALITY AS x;
    RAISE;
END $$;

REVOKE ALL ON FUNCTION ccp_vm_settlement_status_p_insert(text) FROM PUBLIC;
REVOKE ALL ON FUNCTION o_ins_ccp_vm_settlement_status_p(text) FROM PUBLIC;
GRANT EXECUTE ON FUNCTION o_ins_ccp_vm_settlement_status_p(text) TO varnok;
GRANT SELECT ON view_ccp_vm_settlement_status_p TO varnok;
