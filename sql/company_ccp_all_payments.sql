-- All payments (bank statement): table, view and import function.
--
-- Payload member -> column: id -> file_id (the clearing house's record id,
-- kept as text; the table's own id is an identity), settleDate -> settle_date,
-- time -> py_time, text -> py_text, defaultFund -> default_fund_id,
-- type -> transaction_type, the others to the column of the same name.
--
-- Natural key: (file_id, py_time): the record's id and time.
-- A row whose key is already stored, or appears earlier in the same payload,
-- is skipped, and so is a row whose members are all empty (a blank line of the
-- file).

CREATE TABLE IF NOT EXISTS ccp_all_payments (
    id                          bigint GENERATED ALWAYS AS IDENTITY PRIMARY KEY,
    file_id                     text NOT NULL,
    settle_date                 date,
    uetr                        varchar(36),
    payment_reference           varchar(35),
    payment_id                  varchar(35),
    initiator                   varchar(11),
    direction                   varchar(4),
    credit_bic                  varchar(11),
    debit_bic                   varchar(11),
    ttc                         varchar(3),
    rmti                        varchar(140),
    amount                      double precision,
    currency                    varchar(3),
    settlement_status           varchar(4),
    creditor_iban               varchar(34),
    py_text                     varchar(140),
    processing_status           varchar(4),
    update_type                 varchar(4),
    py_time                     timestamp,
    market                      varchar(2),
    default_fund_id             varchar(10),
    member_id                   varchar(10),
    bank                        varchar(50),
    external_collateral_account varchar(20),
    transaction_type            varchar(3),
    conts_db                    text,
    conta_db                    text,
    conts_cr                    text,
    conta_cr                    text,
    data_nota_c                 date,
    data_ins_log                timestamp NOT NULL DEFAULT localtimestamp,
    CONSTRAINT ccp_all_payments_natural_key UNIQUE NULLS NOT DISTINCT
        (file_id, py_time)
);

CREATE OR REPLACE VIEW view_ccp_all_payments AS
SELECT id, settle_date, uetr, payment_reference, payment_id, initiator,
       direction, credit_bic, debit_bic, ttc, rmti, amount, currency,
       settlement_status, creditor_iban, py_text, processing_status,
       update_type, py_time, market, default_fund_id, member_id, bank,
       external_collateral_account, transaction_type, conts_db, conta_db,
       conts_cr, conta_cr, data_nota_c, data_ins_log, file_id
FROM ccp_all_payments;

-- The statement itself, as a SQL function: its payload parameter reaches
-- the plan as a parameter, not as a constant copied into the plan, which
-- matters for payloads of hundreds of megabytes.
CREATE OR REPLACE FUNCTION ccp_all_payments_insert(payload text)
RETURNS integer LANGUAGE sql AS $$
    WITH inserted AS (
    INSERT INTO ccp_all_payments (
        file_id, settle_date, uetr, payment_reference, payment_id, initiator,
        direction, credit_bic, debit_bic, ttc, rmti, amount, currency,
        settlement_status, creditor_iban, py_text, processing_status,
        update_type, py_time, market, default_fund_id, member_id, bank,
        external_collateral_account, transaction_type)
    SELECT ccp_required(x."id", 'id', x.ordinality),
           ccp_date(x."settleDate", 'settleDate', x.ordinality),
           ccp_varchar(x."uetr", 36, 'uetr', x.ordinality),
           ccp_varchar(x."paymentReference", 35, 'paymentReference', x.ordinality),
           ccp_varchar(x."paymentId", 35, 'paymentId', x.ordinality),
           ccp_varchar(x."initiator", 11, 'initiator', x.ordinality),
           ccp_varchar(x."direction", 4, 'direction', x.ordinality),
           ccp_varchar(x."creditBic", 11, 'creditBic', x.ordinality),
           ccp_varchar(x."debitBic", 11, 'debitBic', x.ordinality),
           ccp_varchar(x."ttc", 3, 'ttc', x.ordinality),
           ccp_varchar(x."rmti", 140, 'rmti', x.ordinality),
           ccp_float8(x."amount", 'amount', x.ordinality),
           ccp_varchar(x."currency", 3, 'currency', x.ordinality),
           ccp_varchar(x."settlementStatus", 4, 'settlementStatus', x.ordinality),
           ccp_varchar(x."creditorIban", 34, 'creditorIban', x.ordinality),
           ccp_varchar(x."text", 140, 'text', x.ordinality),
           ccp_varchar(x."processingStatus", 4, 'processingStatus', x.ordinality),
           ccp_varchar(x."updateType", 4, 'updateType', x.ordinality),
           ccp_timestamp(x."time", 'time', x.ordinality),
           ccp_varchar(x."market", 2, 'market', x.ordinality),
           ccp_varchar(x."defaultFund", 10, 'defaultFund', x.ordinality),
           ccp_varchar(x."memberId", 10, 'memberId', x.ordinality),
           ccp_varchar(x."bank", 50, 'bank', x.ordinality),
           ccp_varchar(x."externalCollateralAccount", 20, 'externalCollateralAccount', x.ordinality),
           ccp_varchar(x."type", 3, 'type', x.ordinality)
    FROM ROWS FROM (json_to_recordset(payload::json) AS (
            "id" text, "settleDate" text, "uetr" text,
            "paymentReference" text, "paymentId" text, "initiator" text,
            "direction" text, "creditBic" text, "debitBic" text, "ttc" text,
            "rmti" text, "amount" text, "currency" text,
            "settlementStatus" text, "creditorIban" text, "text" text,
            "processingStatus" text, "updateType" text, "time" text,
            "market" text, "defaultFund" text, "memberId" text, "bank" text,
            "externalCollateralAccount" text, "type" text))
         WITH ORDINALITY AS x
    WHERE x."id" <> '' OR x."settleDate" <> '' OR x."uetr" <> ''
       OR x."paymentReference" <> '' OR x."paymentId" <> ''
       OR x."initiator" <> '' OR x."direction" <> '' OR x."creditBic" <> ''
       OR x."debitBic" <> '' OR x."ttc" <> '' OR x."rmti" <> ''
       OR x."amount" <> '' OR x."currency" <> '' OR x."settlementStatus" <> ''
       OR x."creditorIban" <> '' OR x."text" <> '' OR x."processingStatus" <> ''
       OR x."updateType" <> '' OR x."time" <> '' OR x."market" <> ''
       OR x."defaultFund" <> '' OR x."memberId" <> '' OR x."bank" <> ''
       OR x."externalCollateralAccount" <> '' OR x."type" <> ''
    ON CONFLICT ON CONSTRAINT ccp_all_payments_natural_key DO NOTHING
    RETURNING 1)
    SELECT count(*)::integer FROM inserted
$$;

CREATE OR REPLACE FUNCTION o_ins_ccp_all_payments(pjsonallpayments text)
RETURNS integer LANGUAGE plpgsql SECURITY DEFINER
SET search_path = public, pg_temp AS $$
BEGIN
    RETURN ccp_all_payments_insert(pjsonallpayments);
EXCEPTION WHEN data_exception THEN
    -- A value passed the quick checks but not its cast: find it again with
    -- the careful checks, which name the row and the member.
    PERFORM ccp_checked_date(x."settleDate", 'settleDate', x.ordinality),
            ccp_checked_float8(x."amount", 'amount', x.ordinality),
            ccp_checked_timestamp(x."time", 'time', x.ordinality)
    FROM ROWS FROM (json_to_recordset(pjsonallpayments::json) AS (
            "settleDate" text, "amount" text, "time" text))
         WITH ORDINALITY AS x;
    RAISE;
END $$;

REVOKE ALL ON FUNCTION ccp_all_payments_insert(text) FROM PUBLIC;
REVOKE ALL ON FUNCTION o_ins_ccp_all_payments(text) FROM PUBLIC;
GRANT EXECUTE ON FUNCTION o_ins_ccp_all_payments(text) TO varnok;
GRANT SELECT ON view_ccp_all_payments TO varnok;
