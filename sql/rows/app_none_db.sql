-- App Lipsa SRL: no row for this application, only for another one.
INSERT INTO emitent (emitent, operator_parola, eu_punct_lucru, este_operator) VALUES
    ('admin', 'demo123', 'Sediu', true);

INSERT INTO aplicatie_mob (aplicatie_mob, activ) VALUES ('altaapp', true);

INSERT INTO aplicatie_mob_emitent (aplicatie_mob, emitent, rol) VALUES ('altaapp', 'admin', 'admin');

INSERT INTO eu (cod_cci, eu, jas_ip, tara, localit, adresa, metoda_stoc, tip_contabilitate) VALUES
    ('RO6006', 'App Lipsa SRL', 'srv:8443', 'RO', 'Cluj', 'Str. Mica 4', 'CMP', 'partida dubla');
