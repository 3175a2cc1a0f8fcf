-- Demo SRL: passwords stored as typed.
SET client_encoding = 'UTF8';

INSERT INTO emitent (emitent, operator_parola, eu_punct_lucru, este_operator) VALUES
    ('admin',   'demo123', 'Sediu',   true),
    ('ion',     'ion123',  'Depozit', true),
    ('gol',     '',        'Sediu',   true),
    ('o''brien', 'x''; drop table emitent; --', 'Sediu', true),
    ('Ana Pop', 'ana 123 ', 'Punct de lucru 2', true);

INSERT INTO aplicatie_mob (aplicatie_mob, activ, obs) VALUES
    ('worvanta', true, 'import fisiere casa de compensare'),
    ('altaapp',  true, NULL);

INSERT INTO aplicatie_mob_emitent (aplicatie_mob, emitent, rol) VALUES
    ('worvanta', 'admin',   'admin'),
    ('worvanta', 'gol',     'operator'),
    ('worvanta', 'o''brien', 'operator'),
    ('worvanta', 'Ana Pop', NULL),
    ('altaapp',  'ion',     'operator');

INSERT INTO eu (cod_cci, eu, jas_ip, tara, localit, adresa, metoda_stoc, tip_contabilitate) VALUES
    ('RO1001', 'Demo SRL', 'jas.demo.local:8443', 'RO', 'Bucuresti', 'Str. Exemplu 1', 'CMP', 'partida dubla');
