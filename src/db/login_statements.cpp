#include "db/login_statements.h"

#include <initializer_list>

namespace worvanta::db {

const char* const kDsVarnokMobilStatement =
    "select *\n"
    "from m_firma\n"
    "where nume_firma = :pNumeFirma\n"
    ";";

const char* const kDsEmitentStatement =
    "select *\n"
    "from emitent\n"
    "where emitent = :pEmitent\n"
    "  and operator_parola = :pP\n"
    ";";

const char* const kDsAplicatieMobStatement =
    "select *\n"
    "from aplicatie_mob\n"
    "where lower(aplicatie_mob) = lower(:pAplicatieMob)\n"
    "  and activ\n"
    ";";

const char* const kDsAplicatieMobEmitentStatement =
    "select *\n"
    "from aplicatie_mob_emitent\n"
    "where emitent = :pEmitent\n"
    "  and lower(aplicatie_mob) = lower(:pAplicatieMob)\n"
    ";";

const char* const kDsEuStatement =
    "select *\n"
    "from eu\n"
    ";";

namespace {

using pg::FieldDef;
using pg::FieldDefs;
using pg::FieldKind;

struct Column {
    const char* name;
    int size = 0;
    bool required = false;
};

void add(FieldDefs& fields, FieldKind kind, std::initializer_list<Column> columns)
{
    for (const Column& column : columns)
        fields.push_back(FieldDef{column.name, kind, column.size, column.required});
}

constexpr bool kRequired = true;

}  // namespace

FieldDefs varnokMobilFields()
{
    return {
        {"nume_firma", FieldKind::Text, 200, true},
        {"ip", FieldKind::Memo, 0, false},
        {"port", FieldKind::Integer, 0, false},
        {"db_name", FieldKind::Memo, 0, false},
        {"activ", FieldKind::Boolean, 0, false},
        {"m_site", FieldKind::Boolean, 0, true},
        {"pw_hash_type", FieldKind::Text, 23, false},
    };
}

FieldDefs aplicatieMobFields()
{
    return {
        {"aplicatie_mob", FieldKind::Text, 100, true},
        {"activ", FieldKind::Boolean, 0, true},
        {"obs", FieldKind::Memo, 0, false},
    };
}

FieldDefs aplicatieMobEmitentFields()
{
    return {
        {"aplicatie_mob", FieldKind::Text, 100, true},
        {"emitent", FieldKind::Text, 100, true},
        {"rol", FieldKind::Memo, 0, false},
    };
}

FieldDefs emitentFields()
{
    FieldDefs fields;
    add(fields, FieldKind::Text,
        {{"emitent", 100, kRequired}, {"emitent_corect", 100}, {"operator_parola", 256},
         {"cod_casier_pos", 10}, {"banca_eu_default", 100}, {"cont_banca_eu_default", 28},
         {"casa", 50}, {"moneda", 3}, {"magazie_sursa_default", 5}, {"magazie_dest_default", 5},
         {"functie", 30}, {"eu_punct_lucru", 50, kRequired}, {"com_int", 25}, {"loc", 25},
         {"nr_obiect", 20}, {"ci_nume", 30}, {"ci_serie", 3}, {"ci_nr", 25}, {"ci_elib", 25},
         {"cnp", 25}, {"transport_mijloc", 25}, {"transport_nr", 25}, {"em_email_adr", 50},
         {"tel_fix", 30}, {"tel_mobil", 30}, {"em_outgoing_email_server", 50},
         {"em_outgoing_email_user", 50}, {"em_outgoing_email_psw", 50}, {"lang", 15},
         {"rol_web", 25}, {"rol_win", 25}, {"web_theme", 25}});
    add(fields, FieldKind::Boolean,
        {{"este_emitent", 0, kRequired}, {"este_operator", 0, kRequired},
         {"este_comisionar", 0, kRequired}, {"este_sofer", 0, kRequired},
         {"da_nu_schimbare_pl", 0, kRequired}, {"da_nu_adaugare_partener", 0, kRequired},
         {"da_nu_adaugare_articol", 0, kRequired}, {"da_nu_acces_la_politica_pret", 0, kRequired},
         {"da_nu_modif_data_listare", 0, kRequired}, {"da_nu_acces_limita_creditare", 0, kRequired},
         {"prez_of_stoc_fact_cl", 0, kRequired}, {"prez_of_stoc_av_exp", 0, kRequired},
         {"prez_of_stoc_bte", 0, kRequired}, {"prez_of_stoc_bc", 0, kRequired},
         {"pret_fact_cl_cu_tva", 0, kRequired}, {"da_nu_fact_pe_calc", 0, kRequired},
         {"da_nu_modif_nr_fact_pe_calc", 0, kRequired}, {"da_nu_fact_autocopy", 0, kRequired},
         {"da_nu_aviz_autocopy", 0, kRequired}, {"da_nu_modif_data_livrare", 0, kRequired},
         {"da_nu_fact_ci_rosu"}, {"em_outgoing_email_secure", 0, kRequired},
         {"em_outlook", 0, kRequired}, {"discontinued", 0, kRequired}, {"vede_pret_stoc"},
         {"da_nu_generare_op", 0, kRequired}});
    add(fields, FieldKind::Date, {{"ci_data_elib"}, {"data_ins", 0, kRequired}});
    add(fields, FieldKind::DateTime, {{"data_export"}, {"data_import"}});
    add(fields, FieldKind::Integer, {{"nr_zile_prezentare_doc"}, {"em_outgoing_email_port"}});
    add(fields, FieldKind::Float, {{"proc_comisionar"}});
    return fields;
}

FieldDefs euFields()
{
    FieldDefs fields;
    add(fields, FieldKind::Text,
        {{"cod_cci", 20, kRequired}, {"atribut_fiscal", 3}, {"tip_societate", 20},
         {"reg_comert_jud", 5}, {"reg_comert_nr", 7}, {"reg_comert_jud_suc", 5},
         {"reg_comert_nr_suc", 7}, {"cnp_a", 13}, {"eu", 100}, {"eu_sediu", 30},
         {"trezoreria", 100}, {"trezoreria_cont", 28}, {"tara", 3, kRequired},
         {"localit", 30, kRequired}, {"adresa", 100, kRequired}, {"telefon", 50}, {"fax", 50},
         {"email_adr", 50}, {"web_adr", 50}, {"nr_insp_munca", 15}, {"formula_calcul_co", 30},
         {"formula_calcul_avans_q", 30}, {"nr_autorizatie_alcool", 30},
         {"metoda_stoc", 4, kRequired}, {"tip_contabilitate", 20, kRequired}, {"strada", 50},
         {"nr_strada", 10}, {"bloc", 10}, {"scara", 5}, {"etaj", 5}, {"apt", 5}, {"sector", 1},
         {"cod_postal_adresa", 6}, {"sup_eu_denumire", 100}, {"sup_eu_cui", 13}, {"eu_cui", 13},
         {"eu_cif", 13}, {"eu_reprezentant_legal", 100}, {"cod_caen", 6},
         {"tip_administrare_soc", 50}, {"capital_social", 100}, {"casa_asig_sanatate", 2},
         {"nr_licenta_turism", 20}, {"mod_plata_tva", 20}, {"gln", 13},
         {"reges_cod_tip_angajator", 20}, {"reges_cod_forma_organizare", 70},
         {"reges_cod_forma_juridica", 48}, {"reges_cod_tip_societate", 30},
         {"reges_cod_forma_proprietate", 8}, {"reges_cod_act_id_pf", 25}});
    add(fields, FieldKind::Memo, {{"jas_ip"}, {"jas_ip_ext"}});
    add(fields, FieldKind::Boolean,
        {{"da_nu_modif_ore_prez"}, {"da_nu_dimin_avans_cu_ret"},
         {"da_nu_scadere_stoc_in_viitor", 0, kRequired}, {"da_nu_impozit_profit", 0, kRequired},
         {"da_nu_nevoi_firma", 0, kRequired}, {"da_nu_platitor_tva_in_vama"},
         {"prez_of_stoc_fact_cl", 0, kRequired}, {"da_nu_postcalcul", 0, kRequired},
         {"prez_of_stoc_av_exp", 0, kRequired}, {"prez_of_stoc_bte", 0, kRequired},
         {"prez_of_stoc_bc", 0, kRequired}, {"pret_fact_cl_cu_tva", 0, kRequired},
         {"pret_nir_cu_tva", 0, kRequired}, {"pret_cmd_client_cu_tva", 0, kRequired},
         {"da_nu_tva_neexigibil", 0, kRequired}, {"da_nu_list_fact_pr_ctl", 0, kRequired},
         {"da_nu_list_fact_neop_stoc", 0, kRequired}, {"da_nu_bon_pe_calc", 0, kRequired},
         {"da_nu_cmd_pe_extrasb", 0, kRequired}, {"da_nu_fact_pe_calc", 0, kRequired},
         {"da_nu_fact_autocopy", 0, kRequired}, {"da_nu_aviz_autocopy", 0, kRequired},
         {"da_nu_nir_in_mag_dest", 0, kRequired},
         {"da_nu_politica_pret_punct_lucru", 0, kRequired},
         {"da_nu_nota_c_fara_restrictie", 0, kRequired}, {"da_nu_mon_cont_tip_doc", 0, kRequired},
         {"da_nu_balanta_pe_obiective", 0, kRequired}, {"da_nu_rezervare_stoc", 0, kRequired},
         {"da_nu_contare_avz_c", 0, kRequired}, {"da_nu_contare_nirad", 0, kRequired},
         {"da_nu_autoinchidere_cmd_client", 0, kRequired},
         {"da_nu_autoinchidere_cmd_furn", 0, kRequired},
         {"da_nu_institutie_publica", 0, kRequired},
         {"da_nu_balanta_pe_subunitati", 0, kRequired}, {"da_nu_b_casa_stoc", 0, kRequired},
         {"da_nu_b_casa_articol", 0, kRequired}, {"da_nu_salarii_in_postcalcul", 0, kRequired},
         {"da_nu_turism_in_comision", 0, kRequired}, {"da_nu_confirmare_comanda", 0, kRequired},
         {"da_nu_micro_intreprindere", 0, kRequired},
         {"da_nu_tva_nededus_cont_separat", 0, kRequired}});
    add(fields, FieldKind::Date,
        {{"reg_comert_data"}, {"reg_comert_data_suc"}, {"data_incep_activitate", 0, kRequired},
         {"data_gen_fact"}, {"data_denominare", 0, kRequired}, {"data_avans"},
         {"data_lichidare"}});
    add(fields, FieldKind::Integer,
        {{"formula_calcul_penalitati"}, {"rotunjire_avans"}, {"rotunjire_lichidare"}});
    add(fields, FieldKind::Float,
        {{"nr_pers_hand_suta_ang"}, {"proc_avans_co"}, {"proc_avans"},
         {"proc_diminuare_bugetari"}, {"proc_impozit_profit"}, {"proc_deductibilitate"},
         {"norma", 0, kRequired}, {"val_limita_casa_lei"}, {"proc_penaliz_intirziere"},
         {"cod_forma_proprietate"}, {"cod_forma_organizare"}, {"cod_tip_societate"},
         {"cod_siruta"}});
    return fields;
}

}  // namespace worvanta::db
