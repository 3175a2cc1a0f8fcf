-- Cash calls for the default fund (DEF) and final settlement (EFS): table, view and import function.
--
-- Payload member -> column: id -> file_id (the clearing house's record id,
-- kept as text; the table's own id is an identity),
-- transactionTime -> transaction_time, type -> transaction_type,
-- reference -> transaction_reference, defaultFounds -> default_fund_id,
-- the others to the column of the same name. The account holds up to 34
-- characters, the longest IBAN (a Romanian IBAN has 24).
--
-- Natural key: (file_id, transaction_time): the record's id and time.
-- A row whose key is already stored, or appears earlier in the same payload,
-- is skipped, and so is a row whose members are all empty (a blank line of the
-- file).

CREATE TABLE IF NOT EXISTS ccp_cash_call_def_efs (
    id                    bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    file_id               text NOT NULL,
    transaction_time      timestamp,
    account               varchar(34),
    bic                   varchar(11),
    transaction_type      varchar(3),
    member_id             varchar(10),
    amount                double precision,
    status                varchar(1),
    transaction_reference varchar(100),
    default_fund_id       varchar(10),
    market                varchar(2),
    conts_db              text,
    conta_db              text,
    conts_cr              text,
    conta_cr              text,
    data_nota_c           date,
    data_ins_log          timestamp NOT NULL DEFAULT localtimestamp,
    CONSTRAINT ccp_cash_call_def_efs_natural_key UNIQUE NULLS NOT DISTINCT
        (file_id, transaction_time)
);

CREATE OR REPLACE VIEW view_ccp_cash_call_def_efs AS
SELECT id, transaction_time, account, bic, transaction_type, member_id,
       amount, status, transaction_reference, default_fund_id, market,
       conts_db, conta_db, conts_cr, conta_cr, data_nota_c, data_ins_log,
       file_id
FROM ccp_cash_call_def_efs;

-- The statement itself, as a SQL function: its payload parameter reaches
-- the plan as a parameter, not as a constant copied into the plan, which
-- matters for payloads of hundreds of megabytes.
CREATE OR REPLACE FUNCTION ccp_cash_call_def_efs_insert(payload text)
RETURNS integer LANGUAGE sql AS $$
    WITH inserted AS (
    INSERT INTO ccp_cash_call_def_efs (
        file_id, transaction_time, account, bic, transaction_type, member_id,
        amount, status, transaction_reference, default_fund_id, market)
    SELECT ccp_required(x."id", 'id', x.ordinality),
           ccp_timestamp(x."transactionTime", 'transactionTime', x.ordinality),
           ccp_varchar(x."account", 34, 'account', x.ordinality),
           ccp_varchar(x."bic", 11, 'bic', x.ordinality),
           ccp_varchar(x."type", 3, 'type', x.ordinality),
           ccp_varchar(x."memberId", 10, 'memberId', x.ordinality),
           ccp_float8(x."amount", 'amount', x.ordinality),
           ccp_varchar(x."status", 1, 'status', x.ordinality),
           ccp_varchar(x."reference", 100, 'reference', x.ordinality),
           ccp_varchar(x."defaultFounds", 10, 'defaultFounds', x.ordinality),
           ccp_varchar(x."market", 2, 'market', x.ordinality)
    FROM ROWS FROM (json_to_recordset(payload::json) AS (
            "id" text, "transactionTime" text, "account" text, "bic" text,
            "type" text, "memberId" text, "amount" text, "status" text,
            "reference" text, "defaultFounds" text, "market" text))
         WITH ORDINALITY AS x
    WHERE x."id" <> '' OR x."transactionTime" <> '' OR x."account" <> ''
       OR x."bic" <> '' OR x."type" <> '' OR x."memberId" <> ''
       OR x."amount" <> '' OR x."status" <> '' OR x."reference" <> ''
       OR x."defaultFounds" <> '' OR x."market" <> ''
    ON CONFLICT ON CONSTRAINT ccp_cash_call_def_efs_natural_key DO NOTHING
    RETURNING 1)
    SELECT count(*)::integer FROM inserted
$$;

CREATE OR REPLACE FUNCTION o_ins_ccp_cash_call_def_efs(pjsoncashcalldefefs text)
RETURNS integer LANGUAGE plpgsql SECURITY DEFINER
SET search_path = public, pg_temp AS $$
BEGIN
    RETURN ccp_cash_call_def_efs_insert(pjsoncashcalldefefs);
EXCEPTION WHEN data_exception THEN
    -- A value passed the quick checks but not its cast: find it again with
    -- the careful checks, which name the row and the member.
    PERFORM ccp_checked_timestamp(x."transactionTime", 'transactionTime', x.ordinality),
            ccp_checked_float8(x."amount", 'amount', x.ordinality)
    FROM ROWS FROM (json_to_recordset(pjsoncashcalldefefs::json) AS (
            "transactionTime" text, "amount" text))
         WITH ORDINALITY AS x;
    RAISE;
END $$;

REVOKE ALL ON FUNCTION ccp_cash_call_def_efs_insert(text) FROM PUBLIC;
REVOKE ALL ON FUNCTION o_ins_ccp_cash_call_def_efs(text) FROM PUBLIC;
GRANT EXECUTE ON FUNCTION o_ins_ccp_cash_call_def_efs(text) TO varnok;
GRANT SELECT ON view_ccp_cash_call_def_efs TO varnok;
