-- Fara SSL SRL, on a server without SSL: passwords as typed.
INSERT INTO emitent (emitent, operator_parola, eu_punct_lucru, este_operator) VALUES
    ('admin', 'nossl123', 'Sediu', true);

INSERT INTO aplicatie_mob (aplicatie_mob, activ) VALUES ('worvanta', true);

INSERT INTO aplicatie_mob_emitent (aplicatie_mob, emitent, rol) VALUES ('worvanta', 'admin', 'admin');

INSERT INTO eu (cod_cci, eu, jas_ip, tara, localit, adresa, metoda_stoc, tip_contabilitate) VALUES
    ('RO4004', 'Fara SSL SRL', '18080.exemplu.ro', 'RO', 'Brasov', 'Str. Scurta 2', 'CMP', 'partida dubla');
