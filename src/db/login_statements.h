#pragma once
#include "pg/field.h"

namespace worvanta::db {

// Databases and the role the program connects as.
inline constexpr const char* kDirectoryDatabase = "varnok_mob";
inline constexpr const char* kCompanyDatabaseAtStart = "varnok1";
inline constexpr const char* kConnectionUser = "varnok";

// The directory lookup over the directory connection.
inline constexpr const char* kDsVarnokMobil = "dsVarnokMobil";
extern const char* const kDsVarnokMobilStatement;
inline constexpr const char* kParamNumeFirma = "pNumeFirma";
pg::FieldDefs varnokMobilFields();

// The four login queries over the company connection.
inline constexpr const char* kDsEmitent = "dsEmitent";
inline constexpr const char* kDsAplicatieMob = "dsAplicatieMob";
inline constexpr const char* kDsAplicatieMobEmitent = "dsAplicatieMobEmitent";
inline constexpr const char* kDsEu = "dsEu";
extern const char* const kDsEmitentStatement;
extern const char* const kDsAplicatieMobStatement;
extern const char* const kDsAplicatieMobEmitentStatement;
extern const char* const kDsEuStatement;
inline constexpr const char* kParamEmitent = "pEmitent";
inline constexpr const char* kParamPassword = "pP";
inline constexpr const char* kParamAplicatieMob = "pAplicatieMob";
pg::FieldDefs emitentFields();             // 65 columns
pg::FieldDefs aplicatieMobFields();
pg::FieldDefs aplicatieMobEmitentFields();
pg::FieldDefs euFields();                  // 117 columns

// The columns the login reads.
inline constexpr const char* kColIp = "ip";
inline constexpr const char* kColPort = "port";
inline constexpr const char* kColDbName = "db_name";
inline constexpr const char* kColPwHashType = "pw_hash_type";
inline constexpr const char* kColEuPunctLucru = "eu_punct_lucru";
inline constexpr const char* kColRol = "rol";
inline constexpr const char* kColJasIp = "jas_ip";

// The value of pw_hash_type that means passwords are stored as digests.
inline constexpr const char* kHashSha2 = "HashSHA2";

}  // namespace worvanta::db
