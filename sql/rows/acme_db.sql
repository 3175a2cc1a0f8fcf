-- ACME: passwords stored as lower-case hexadecimal SHA-256 digests of their
-- UTF-8 bytes. maria's digest is stored in capitals, so she never logs in.
SET client_encoding = 'UTF8';

INSERT INTO emitent (emitent, operator_parola, eu_punct_lucru, este_operator) VALUES
    ('admin',  encode(sha256(convert_to('acme123', 'UTF8')), 'hex'), 'Sediu ACME', true),
    ('maria',  upper(encode(sha256(convert_to('maria123', 'UTF8')), 'hex')), 'Sediu ACME', true),
    ('andrei', encode(sha256(convert_to('țară123', 'UTF8')), 'hex'), 'Filiala Cluj', true),
    ('gol',    encode(sha256(''::bytea), 'hex'), 'Sediu ACME', true);

INSERT INTO aplicatie_mob (aplicatie_mob, activ) VALUES ('worvanta', true);

INSERT INTO aplicatie_mob_emitent (aplicatie_mob, emitent, rol) VALUES
    ('worvanta', 'admin',  'admin'),
    ('worvanta', 'maria',  'operator'),
    ('worvanta', 'andrei', 'operator'),
    ('worvanta', 'gol',    'operator');

INSERT INTO eu (cod_cci, eu, jas_ip, tara, localit, adresa, metoda_stoc, tip_contabilitate) VALUES
    ('RO2002', 'ACME', 'srv:8080', 'RO', 'Bucuresti', 'Bd. Unirii 10', 'FIFO', 'partida dubla');
