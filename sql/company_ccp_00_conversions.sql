-- Conversions shared by the o_ins_ccp_* import functions.
--
-- The import functions receive every value as a JSON string, written the way
-- the workstation's regional settings render it. Accepted forms:
--   numbers     "1234,5" "-1,5E-06" (decimal comma), "1234.5" "1.5E-06"
--               (decimal point); no thousands separators, no currency symbol,
--               no NaN or infinities; surrounding spaces are ignored.
--   dates       "15.03.2024" / "1.3.2024" (day first, dots or dashes),
--               "3/15/2024" (month first, slashes), "2024-03-15" (ISO);
--               a date column also takes a date with the time 00:00:00.
--   date+time   any date form above followed by " 13:45", " 13:45:00",
--               " 13:45:00.123", or " 1:45:00 PM" / " 1:45 am" (12-hour);
--               ISO "2024-03-15T13:45:00[.fff]" also with "Z" or "+02:00",
--               converted to UTC; a date alone means midnight.
--   texts       as sent, at most the column's size in characters.
-- The empty string (and a missing member) becomes null.
--
-- Each column goes through a quick SQL helper (inlined by the planner, so it
-- costs little per value) that handles the forms the program sends. Anything
-- else goes to a careful plpgsql check that either converts it or raises a
-- message naming the data row (1-based) and the payload member. A value that
-- passes the quick shape test but still fails its cast (31.02.2024, say)
-- raises a plain data error; the import function then repeats the payload
-- through the careful checks to name the row and member.

-- Messages -----------------------------------------------------------------

CREATE OR REPLACE FUNCTION ccp_fail_invalid(v text, member text, nr bigint, expected text)
RETURNS text LANGUAGE plpgsql STABLE PARALLEL SAFE AS $$
BEGIN
    RAISE EXCEPTION 'Valoare invalida pentru "%" in randul de date %, se astepta %: "%"',
        member, nr, expected, left(v, 100);
END $$;

CREATE OR REPLACE FUNCTION ccp_fail_too_long(v text, size integer, member text, nr bigint)
RETURNS text LANGUAGE plpgsql STABLE PARALLEL SAFE AS $$
BEGIN
    RAISE EXCEPTION 'Valoare prea lunga pentru "%" in randul de date % (maxim % caractere): "%"',
        member, nr, size, left(v, 100);
END $$;

CREATE OR REPLACE FUNCTION ccp_fail_missing(member text, nr bigint)
RETURNS text LANGUAGE plpgsql STABLE PARALLEL SAFE AS $$
BEGIN
    RAISE EXCEPTION 'Lipseste valoarea pentru "%" in randul de date %', member, nr;
END $$;

-- Careful parsers: null when the text is not one of the accepted forms -----

CREATE OR REPLACE FUNCTION ccp_parse_float8(v text)
RETURNS double precision LANGUAGE plpgsql IMMUTABLE PARALLEL SAFE AS $$
DECLARE
    t text := btrim(v);
BEGIN
    IF t !~ '^[+-]?([0-9]+([.,][0-9]*)?|[.,][0-9]+)([eE][+-]?[0-9]+)?$' THEN
        RETURN NULL;
    END IF;
    RETURN replace(t, ',', '.')::double precision;
EXCEPTION WHEN numeric_value_out_of_range THEN
    RETURN NULL;
END $$;

-- Date and time of day as written; null when the text is no accepted form.
CREATE OR REPLACE FUNCTION ccp_parse_timestamp(v text)
RETURNS timestamp LANGUAGE plpgsql IMMUTABLE PARALLEL SAFE AS $$
DECLARE
    t text := btrim(v);
    m text[];
    y integer;
    mo integer;
    d integer;
    hh integer := 0;
    mi integer := 0;
    ss numeric := 0;
    clock text;
    zone text;
BEGIN
    m := regexp_match(t,
        '^([0-9]{1,2})[.-]([0-9]{1,2})[.-]([0-9]{4})(?:[ ]+(.*))?$');
    IF m IS NOT NULL THEN
        d := m[1]; mo := m[2]; y := m[3]; clock := m[4];
    ELSE
        m := regexp_match(t, '^([0-9]{1,2})/([0-9]{1,2})/([0-9]{4})(?:[ ]+(.*))?$');
        IF m IS NOT NULL THEN
            mo := m[1]; d := m[2]; y := m[3]; clock := m[4];
        ELSE
            m := regexp_match(t, '^([0-9]{4})-([0-9]{1,2})-([0-9]{1,2})(?:[ T](.*))?$');
            IF m IS NULL THEN
                RETURN NULL;
            END IF;
            y := m[1]; mo := m[2]; d := m[3]; clock := m[4];
            m := regexp_match(clock, '^(.*?)(Z|[+-][0-9]{2}(?::?[0-9]{2})?)$');
            IF m IS NOT NULL THEN
                clock := m[1]; zone := m[2];
            END IF;
        END IF;
    END IF;
    IF y < 1 OR mo NOT BETWEEN 1 AND 12 OR d NOT BETWEEN 1 AND 31 THEN
        RETURN NULL;
    END IF;
    IF clock IS NOT NULL THEN
        m := regexp_match(clock,
            '^([0-9]{1,2}):([0-9]{2})(?::([0-9]{2}(?:\.[0-9]{1,6})?))?(?:[ ]?([AaPp][Mm]))?$');
        IF m IS NULL THEN
            RETURN NULL;
        END IF;
        hh := m[1]; mi := m[2]; ss := coalesce(m[3], '0');
        IF m[4] IS NOT NULL THEN
            IF hh NOT BETWEEN 1 AND 12 THEN
                RETURN NULL;
            END IF;
            hh := hh % 12 + CASE WHEN upper(m[4]) = 'PM' THEN 12 ELSE 0 END;
        END IF;
        IF hh > 23 OR mi > 59 OR ss >= 60 THEN
            RETURN NULL;
        END IF;
    END IF;
    IF zone IS NOT NULL THEN
        RETURN (make_timestamptz(y, mo, d, hh, mi, ss::double precision,
                                 CASE WHEN zone = 'Z' THEN 'UTC' ELSE zone END)
                AT TIME ZONE 'UTC');
    END IF;
    RETURN make_timestamp(y, mo, d, hh, mi, ss::double precision);
EXCEPTION WHEN datetime_field_overflow OR invalid_parameter_value
          OR invalid_datetime_format THEN
    RETURN NULL;  -- 31.02.2024 and the like
END $$;

-- Careful checks: convert or raise the message naming row and member -------

CREATE OR REPLACE FUNCTION ccp_checked_float8(v text, member text, nr bigint)
RETURNS double precision LANGUAGE plpgsql STABLE PARALLEL SAFE AS $$
DECLARE
    r double precision;
BEGIN
    IF v IS NULL OR v = '' THEN
        RETURN NULL;
    END IF;
    r := ccp_parse_float8(v);
    IF r IS NULL THEN
        PERFORM ccp_fail_invalid(v, member, nr, 'un numar');
    END IF;
    RETURN r;
END $$;

CREATE OR REPLACE FUNCTION ccp_checked_timestamp(v text, member text, nr bigint)
RETURNS timestamp LANGUAGE plpgsql STABLE PARALLEL SAFE AS $$
DECLARE
    r timestamp;
BEGIN
    IF v IS NULL OR v = '' THEN
        RETURN NULL;
    END IF;
    r := ccp_parse_timestamp(v);
    IF r IS NULL THEN
        PERFORM ccp_fail_invalid(v, member, nr, 'o data si ora');
    END IF;
    RETURN r;
END $$;

CREATE OR REPLACE FUNCTION ccp_checked_date(v text, member text, nr bigint)
RETURNS date LANGUAGE plpgsql STABLE PARALLEL SAFE AS $$
DECLARE
    r timestamp;
BEGIN
    IF v IS NULL OR v = '' THEN
        RETURN NULL;
    END IF;
    r := ccp_parse_timestamp(v);
    -- A time of day other than midnight would be lost in a date column.
    IF r IS NULL OR r::time <> time '00:00' THEN
        PERFORM ccp_fail_invalid(v, member, nr, 'o data');
    END IF;
    RETURN r::date;
END $$;

-- Quick helpers, inlined into the import statements ------------------------
-- They must stay single-expression SQL functions, STABLE and not STRICT, so
-- that the planner inlines them.

CREATE OR REPLACE FUNCTION ccp_float8(v text, member text, nr bigint)
RETURNS double precision LANGUAGE sql STABLE PARALLEL SAFE AS $$
    SELECT CASE
        WHEN v IS NULL OR v = '' THEN NULL
        WHEN translate(v, '0123456789.,-+eE', '') = ''
            THEN replace(v, ',', '.')::double precision
        ELSE ccp_checked_float8(v, member, nr)
    END
$$;

CREATE OR REPLACE FUNCTION ccp_date(v text, member text, nr bigint)
RETURNS date LANGUAGE sql STABLE PARALLEL SAFE AS $$
    SELECT CASE
        WHEN v IS NULL OR v = '' THEN NULL
        WHEN length(v) = 10 AND substr(v, 3, 1) = '.' AND substr(v, 6, 1) = '.'
            THEN to_date(v, 'DD.MM.YYYY')
        WHEN length(v) = 10 AND substr(v, 5, 1) = '-' AND substr(v, 8, 1) = '-'
            THEN v::date
        ELSE ccp_checked_date(v, member, nr)
    END
$$;

CREATE OR REPLACE FUNCTION ccp_timestamp(v text, member text, nr bigint)
RETURNS timestamp LANGUAGE sql STABLE PARALLEL SAFE AS $$
    SELECT CASE
        WHEN v IS NULL OR v = '' THEN NULL
        WHEN length(v) = 19 AND substr(v, 3, 1) = '.' AND substr(v, 11, 1) = ' '
             AND substr(v, 14, 1) = ':'
            THEN to_date(left(v, 10), 'DD.MM.YYYY') + substr(v, 12)::time
        WHEN length(v) = 10 AND substr(v, 3, 1) = '.' AND substr(v, 6, 1) = '.'
            THEN to_date(v, 'DD.MM.YYYY')::timestamp
        WHEN substr(v, 5, 1) = '-' AND substr(v, 8, 1) = '-'
             AND (length(v) = 10 OR (length(v) = 19 AND substr(v, 14, 1) = ':'))
            THEN v::timestamp
        ELSE ccp_checked_timestamp(v, member, nr)
    END
$$;

CREATE OR REPLACE FUNCTION ccp_varchar(v text, size integer, member text, nr bigint)
RETURNS text LANGUAGE sql STABLE PARALLEL SAFE AS $$
    SELECT CASE
        WHEN v IS NULL OR v = '' THEN NULL
        WHEN octet_length(v) <= size OR length(v) <= size THEN v
        ELSE ccp_fail_too_long(v, size, member, nr)
    END
$$;

CREATE OR REPLACE FUNCTION ccp_required(v text, member text, nr bigint)
RETURNS text LANGUAGE sql STABLE PARALLEL SAFE AS $$
    SELECT CASE
        WHEN v IS NULL OR v = '' THEN ccp_fail_missing(member, nr)
        ELSE v
    END
$$;

CREATE OR REPLACE FUNCTION ccp_required_date(v text, member text, nr bigint)
RETURNS date LANGUAGE sql STABLE PARALLEL SAFE AS $$
    SELECT CASE
        WHEN v IS NULL OR v = '' THEN ccp_fail_missing(member, nr)::date
        ELSE ccp_date(v, member, nr)
    END
$$;

CREATE OR REPLACE FUNCTION ccp_required_varchar(v text, size integer, member text, nr bigint)
RETURNS text LANGUAGE sql STABLE PARALLEL SAFE AS $$
    SELECT CASE
        WHEN v IS NULL OR v = '' THEN ccp_fail_missing(member, nr)
        ELSE ccp_varchar(v, size, member, nr)
    END
$$;
