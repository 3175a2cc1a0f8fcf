#pragma once
#include <QString>
#include <QTemporaryDir>
#include <string>

namespace worvanta::import::testing {

// Writes test files into a folder that disappears with the object.
class ScreenFiles {
public:
    QString write(const QString& name, const std::string& bytes) const;
    QString missing(const QString& name) const { return dir_.filePath(name); }

private:
    QTemporaryDir dir_;
};

inline constexpr const char* kAllPaymentsHeader =
    "ID,Settle Date,UETR,Payment Reference,Payment ID,Initiator,Direction,Credit BIC,Debit BIC,TTC,RMTI,Amount,"
    "Currency,Settlement Status,Creditor IBAN,Text,Processing Status,Update Type,Time,Market,Default Fund,"
    "Member ID,Bank,External Collateral Account,Type";
inline constexpr const char* kVmsHeader = "Call Date,Type,DFund ID,Amount,Time,Market";

}  // namespace worvanta::import::testing
