-- Variation margin performance, aggregated: table, view and import function.
--
-- Payload member -> column: callDate -> call_date, type -> transaction_type,
-- dfundId -> default_fund_id, time -> vms_time, amount and market to the
-- columns of the same name. callDate, dfundId and market are required.
--
-- Natural key: (call_date, default_fund_id, market, transaction_type, vms_time).
-- A row whose key is already stored, or appears earlier in the same payload,
-- is skipped, and so is a row whose members are all empty (a blank line of the
-- file).

CREATE TABLE IF NOT EXISTS ccp_vms_performance_agregat (
    id               bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    call_date        date NOT NULL,
    transaction_type varchar(3),
    default_fund_id  varchar(10) NOT NULL,
    amount           double precision,
    vms_time         timestamp,
    market           varchar(2) NOT NULL,
    conts_db         text,
    conta_db         text,
    conts_cr         text,
    conta_cr         text,
    data_nota_c      date,
    data_ins_log     timestamp NOT NULL DEFAULT localtimestamp,
    CONSTRAINT ccp_vms_performance_agregat_natural_key UNIQUE NULLS NOT DISTINCT
        (call_date, default_fund_id, market, transaction_type, vms_time)
);

CREATE OR REPLACE VIEW view_ccp_vms_performance_agregat AS
SELECT call_date, transaction_type, default_fund_id, amount, vms_time, market,
       conts_db, conta_db, conts_cr, conta_cr, data_nota_c, data_ins_log
FROM ccp_vms_performance_agregat;

-- The statement itself, as a SQL function: its payload parameter reaches
-- the plan as a parameter, not as a constant copied into the plan, which
-- matters for payloads of hundreds of megabytes.
CREATE OR REPLACE FUNCTION ccp_vms_performance_agregat_insert(payload text)
RETURNS integer LANGUAGE sql AS $$
    WITH inserted AS (
    INSERT INTO ccp_vms_performance_agregat (
        call_date, transaction_type, default_fund_id, amount, vms_time, market)
    SELECT ccp_required_date(x."callDate", 'callDate', x.ordinality),
           ccp_varchar(x."type", 3, 'type', x.ordinality),
           ccp_required_varchar(x."dfundId", 10, 'dfundId', x.ordinality),
           ccp_float8(x."amount", 'amount', x.ordinality),
           ccp_timestamp(x."time", 'time', x.ordinality),
           ccp_required_varchar(x."market", 2, 'market', x.ordinality)
    FROM ROWS FROM (json_to_recordset(payload::json) AS (
            "callDate" text, "type" text, "dfundId" text, "amount" text,
            "time" text, "market" text))
         WITH ORDINALITY AS x
    WHERE x."callDate" <> '' OR x."type" <> '' OR x."dfundId" <> ''
       OR x."amount" <> '' OR x."time" <> '' OR x."market" <> ''
    ON CONFLICT ON CONSTRAINT ccp_vms_performance_agregat_natural_key DO NOTHING
    RETURNING 1)
    SELECT count(*)::integer FROM inserted
$$;

CREATE OR REPLACE FUNCTION o_ins_ccp_vms_performance_agregat(pjsonvmsperformanceagregat text)
RETURNS integer LANGUAGE plpgsql SECURITY DEFINER
SET search_path = public, pg_temp AS $$
BEGIN
    RETURN ccp_vms_performance_agregat_insert(pjsonvmsperformanceagregat);
EXCEPTION WHEN data_exception THEN
    -- A value passed the quick checks but not its cast: find it again with
    -- the careful checks, which name the row and the member.
    PERFORM ccp_checked_date(x."callDate", 'callDate', x.ordinality),
            ccp_checked_float8(x."amount", 'amount', x.ordinality),
            ccp_checked_timestamp(x."time", 'time', x.ordinality)
    FROM ROWS FROM (json_to_recordset(pjsonvmsperformanceagregat::json) AS (
            "callDate" text, "amount" text, "time" text))
         WITH ORDINALITY AS x;
    RAISE;
END $$;

REVOKE ALL ON FUNCTION ccp_vms_performance_agregat_insert(text) FROM PUBLIC;
REVOKE ALL ON FUNCTION o_ins_ccp_vms_performance_agregat(text) FROM PUBLIC;
GRANT EXECUTE ON FUNCTION o_ins_ccp_vms_performance_agregat(text) TO varnok;
GRANT SELECT ON view_ccp_vms_performance_agregat TO varnok;
