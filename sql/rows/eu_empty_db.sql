-- Eu Gol SRL: the company record table has no rows.
INSERT INTO emitent (emitent, operator_parola, eu_punct_lucru, este_operator) VALUES
    ('admin', 'demo123', 'Sediu', true);

INSERT INTO aplicatie_mob (aplicatie_mob, activ) VALUES ('worvanta', true);

INSERT INTO aplicatie_mob_emitent (aplicatie_mob, emitent, rol) VALUES ('worvanta', 'admin', 'admin');
