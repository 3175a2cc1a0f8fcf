-- App Oprita SRL: the application's row is not active.
INSERT INTO emitent (emitent, operator_parola, eu_punct_lucru, este_operator) VALUES
    ('admin', 'demo123', 'Sediu', true);

INSERT INTO aplicatie_mob (aplicatie_mob, activ) VALUES ('worvanta', false);

INSERT INTO aplicatie_mob_emitent (aplicatie_mob, emitent, rol) VALUES ('worvanta', 'admin', 'admin');

INSERT INTO eu (cod_cci, eu, jas_ip, tara, localit, adresa, metoda_stoc, tip_contabilitate) VALUES
    ('RO5005', 'App Oprita SRL', 'srv:8443', 'RO', 'Cluj', 'Str. Mica 3', 'CMP', 'partida dubla');
