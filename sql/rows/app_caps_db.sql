-- App Majuscule SRL: the application is named in capitals.
INSERT INTO emitent (emitent, operator_parola, eu_punct_lucru, este_operator) VALUES
    ('admin', 'demo123', 'Sediu', true);

INSERT INTO aplicatie_mob (aplicatie_mob, activ) VALUES ('WORVANTA', true);

INSERT INTO aplicatie_mob_emitent (aplicatie_mob, emitent, rol) VALUES ('WORVANTA', 'admin', 'admin');

INSERT INTO eu (cod_cci, eu, jas_ip, tara, localit, adresa, metoda_stoc, tip_contabilitate) VALUES
    ('RO7007', 'App Majuscule SRL', '8080x', 'RO', 'Cluj', 'Str. Mica 5', 'CMP', 'partida dubla');
