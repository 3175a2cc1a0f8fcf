-- Cash calls for clients: table, view and import function.
--
-- Payload member -> column: id -> file_id (the clearing house's record id,
-- kept as text; the table's own id is an identity),
-- transactionTime -> transaction_time, type -> transaction_type,
-- dfundId -> default_fund_id, the others to the column of the same name.
--
-- Natural key: (file_id, transaction_time): the record's id and time.
-- A row whose key is already stored, or appears earlier in the same payload,
-- is skipped, and so is a row whose members are all empty (a blank line of the
-- file).

CREATE TABLE IF NOT EXISTS ccp_cash_call_client (
    id                          bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    file_id                     text NOT NULL,
    transaction_time            timestamp,
    transaction_type            varchar(3),
    external_collateral_account varchar(20),
    collateral_account          varchar(20),
    member_id                   varchar(10),
    default_fund_id             varchar(10),
    margin_requirement          double precision,
    collateral_balance          double precision,
    cash_call_amount            double precision,
    cash_excess_amount          double precision,
    status                      varchar(1),
    market                      varchar(2),
    conts_db                    text,
    conta_db                    text,
    conts_cr                    text,
    conta_cr                    text,
    data_nota_c                 date,
    data_ins_log                timestamp NOT NULL DEFAULT localtimestamp,
    CONSTRAINT ccp_cash_call_client_natural_key UNIQUE NULLS NOT DISTINCT
        (file_id, transaction_time)
);

CREATE OR REPLACE VIEW view_ccp_cash_call_client AS
SELECT id, transaction_time, transaction_type, external_collateral_account,
       collateral_account, member_id, default_fund_id, margin_requirement,
       collateral_balance, cash_call_amount, cash_excess_amount, status,
       market, conts_db, conta_db, conts_cr, conta_cr, data_nota_c,
       data_ins_log, file_id
FROM ccp_cash_call_client;

-- The statement itself, as a SQL function: its payload parameter reaches
-- the plan as a parameter, not as a constant copied into the plan, which
-- matters for payloads of hundreds of megabytes.
CREATE OR REPLACE FUNCTION ccp_cash_call_client_insert(payload text)
RETURNS integer LANGUAGE sql AS $$
    WITH inserted AS (
    INSERT INTO ccp_cash_call_client (
        file_id, transaction_time, transaction_type,
        external_collateral_account, collateral_account, member_id,
        default_fund_id, margin_requirement, collateral_balance,
        cash_call_amount, cash_excess_amount, status, market)
    SELECT ccp_required(x."id", 'id', x.ordinality),
           ccp_timestamp(x."transactionTime", 'transactionTime', x.ordinality),
           ccp_varchar(x."type", 3, 'type', x.ordinality),
           ccp_varchar(x."externalCollateralAccount", 20, 'externalCollateralAccount', x.ordinality),
           ccp_varchar(x."collateralAccount", 20, 'collateralAccount', x.ordinality),
           ccp_varchar(x."memberId", 10, 'memberId', x.ordinality),
           ccp_varchar(x."dfundId", 10, 'dfundId', x.ordinality),
           ccp_float8(x."marginRequirement", 'marginRequirement', x.ordinality),
           ccp_float8(x."collateralBalance", 'collateralBalance', x.ordinality),
           ccp_float8(x."cashCallAmount", 'cashCallAmount', x.ordinality),
           ccp_float8(x."cashExcessAmount", 'cashExcessAmount', x.ordinality),
           ccp_varchar(x."status", 1, 'status', x.ordinality),
           ccp_varchar(x."market", 2, 'market', x.ordinality)
    FROM ROWS FROM (json_to_recordset(payload::json) AS (
            "id" text, "transactionTime" text, "type" text,
            "externalCollateralAccount" text, "collateralAccount" text,
            "memberId" text, "dfundId" text, "marginRequirement" text,
            "collateralBalance" text, "cashCallAmount" text,
            "cashExcessAmount" text, "status" text, "market" text))
         WITH ORDINALITY AS x
    WHERE x."id" <> '' OR x."transactionTime" <> '' OR x."type" <> ''
       OR x."externalCollateralAccount" <> '' OR x."collateralAccount" <> ''
       OR x."memberId" <> '' OR x."dfundId" <> '' OR x."marginRequirement" <> ''
       OR x."collateralBalance" <> '' OR x."cashCallAmount" <> ''
       OR x."cashExcessAmount" <> '' OR x."status" <> '' OR x."market" <> ''
    ON CONFLICT ON CONSTRAINT ccp_cash_call_client_natural_key DO NOTHING
    RETURNING 1)
    SELECT count(*)::integer FROM inserted
$$;

CREATE OR REPLACE FUNCTION o_ins_ccp_cash_call_client(pjsoncashcallclient text)
RETURNS integer LANGUAGE plpgsql SECURITY DEFINER
SET search_path = public, pg_temp AS $$
BEGIN
    RETURN ccp_cash_call_client_insert(pjsoncashcallclient);
EXCEPTION WHEN data_exception THEN
    -- A value passed the quick checks but not its cast: find it again with
    -- the careful checks, which name the row and the member.
    PERFORM ccp_checked_timestamp(x."transactionTime", 'transactionTime', x.ordinality),
            ccp_checked_float8(x."marginRequirement", 'marginRequirement', x.ordinality),
            ccp_checked_float8(x."collateralBalance", 'collateralBalance', x.ordinality),
            ccp_checked_float8(x."cashCallAmount", 'cashCallAmount', x.ordinality),
            ccp_checked_float8(x."cashExcessAmount", 'cashExcessAmount', x.ordinality)
    FROM ROWS FROM (json_to_recordset(pjsoncashcallclient::json) AS (
            "transactionTime" text, "marginRequirement" text,
            "collateralBalance" text, "cashCallAmount" text,
            "cashExcessAmount" text))
         WITH ORDINALITY AS x;
    RAISE;
END $$;

REVOKE ALL ON FUNCTION ccp_cash_call_client_insert(text) FROM PUBLIC;
REVOKE ALL ON FUNCTION o_ins_ccp_cash_call_client(text) FROM PUBLIC;
GRANT EXECUTE ON FUNCTION o_ins_ccp_cash_call_client(text) TO varnok;
GRANT SELECT ON view_ccp_cash_call_client TO varnok;
