-- Directory database varnok_mob: one row per company, telling where its own
-- database is and how its passwords are stored.
-- psql variables: main_port, second_port, nossl_port (ports of the servers
-- that hold the company databases; the demo puts everything on one server).

CREATE TABLE m_firma (
    nume_firma   varchar(200) PRIMARY KEY,
    ip           text,
    port         integer,
    db_name      text,
    activ        boolean,
    m_site       boolean NOT NULL DEFAULT false,
    pw_hash_type varchar(23)
);

INSERT INTO m_firma (nume_firma, ip, port, db_name, activ, m_site, pw_hash_type) VALUES
    -- passwords as typed
    ('Demo SRL',            '127.0.0.1', :main_port,   'varnok1',     true,  false, NULL),
    -- passwords stored as lower-case hexadecimal SHA-256 digests
    ('ACME',                '127.0.0.1', :main_port,   'acme_db',     true,  false, 'HashSHA2'),
    -- near misses of "HashSHA2": passwords compared as typed
    ('Demo Minuscule SRL',  '127.0.0.1', :main_port,   'varnok1',     true,  false, 'hashsha2'),
    ('Demo Spatiu SRL',     '127.0.0.1', :main_port,   'varnok1',     true,  false, 'HashSHA2 '),
    ('Demo Gol SRL',        '127.0.0.1', :main_port,   'varnok1',     true,  false, ''),
    -- another server
    ('Beta SA',             '127.0.0.1', :second_port, 'beta_db',     true,  false, NULL),
    -- a server without SSL (the company connection prefers SSL, so it connects)
    ('Fara SSL SRL',        '127.0.0.1', :nossl_port,  'nossl_db',    true,  false, NULL),
    -- application checks
    ('App Oprita SRL',      '127.0.0.1', :main_port,   'app_off_db',  true,  false, NULL),
    ('App Lipsa SRL',       '127.0.0.1', :main_port,   'app_none_db', true,  false, NULL),
    ('App Majuscule SRL',   '127.0.0.1', :main_port,   'app_caps_db', true,  false, NULL),
    -- a company record table with no rows
    ('Eu Gol SRL',          '127.0.0.1', :main_port,   'eu_empty_db', true,  false, NULL),
    -- neither activ nor m_site filters the lookup
    ('Inactiva SRL',        '127.0.0.1', :main_port,   'varnok1',     false, true,  NULL),
    -- broken addresses: no port, a database that does not exist
    ('Port Lipsa SRL',      '127.0.0.1', NULL,         'varnok1',     true,  false, NULL),
    ('Baza Lipsa SRL',      '127.0.0.1', :main_port,   'nu_exista_db', true, false, NULL);

GRANT SELECT ON m_firma TO varnok;
