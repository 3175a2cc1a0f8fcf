-- Beta SA, on a second server: passwords as typed.
INSERT INTO emitent (emitent, operator_parola, eu_punct_lucru, este_operator) VALUES
    ('admin', 'beta123', 'Sediu', true);

INSERT INTO aplicatie_mob (aplicatie_mob, activ) VALUES ('worvanta', true);

INSERT INTO aplicatie_mob_emitent (aplicatie_mob, emitent, rol) VALUES ('worvanta', 'admin', 'contabil');

INSERT INTO eu (cod_cci, eu, jas_ip, tara, localit, adresa, metoda_stoc, tip_contabilitate) VALUES
    ('RO3003', 'Beta SA', NULL, 'RO', 'Iasi', 'Str. Lunga 5', 'CMP', 'partida dubla');
