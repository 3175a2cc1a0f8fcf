#include "login/login_cache.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include "common/app_error.h"
#include "os/app_data_folder.h"

namespace worvanta::login {

namespace {

const QString kCompany = QStringLiteral("company");
const QString kUsername = QStringLiteral("username");
const QString kColumns = QStringLiteral("columns");
const QString kRows = QStringLiteral("rows");

[[noreturn]] void fail(const QString& message)
{
    throw AppError(message.toStdString());
}

QJsonObject columnDefinition(const QString& name)
{
    return QJsonObject{{QStringLiteral("name"), name},
                       {QStringLiteral("type"), QStringLiteral("string")},
                       {QStringLiteral("size"), kLoginCacheColumnSize}};
}

QString textMember(const QJsonObject& row, const QString& name, const QString& path)
{
    const QJsonValue value = row.value(name);
    if (value.isUndefined() || value.isNull())
        return {};
    if (!value.isString())
        fail(QStringLiteral("Fisierul %1 nu are formatul asteptat: coloana %2 nu este text")
                 .arg(QDir::toNativeSeparators(path), name));
    return leftCharacters(value.toString(), kLoginCacheColumnSize);
}

}  // namespace

QString loginCachePath()
{
    const QString folder = QString::fromStdString(os::appDataFolder());
    const QString fileName = QString::fromLatin1(kLoginCacheFileName);
    if (folder.isEmpty())
        return fileName;
    return QDir(folder).filePath(fileName);
}

QString leftCharacters(const QString& text, int characters)
{
    qsizetype position = 0;
    for (int counted = 0; counted < characters && position < text.size(); ++counted) {
        const bool pair = text.at(position).isHighSurrogate() && position + 1 < text.size() &&
                          text.at(position + 1).isLowSurrogate();
        position += pair ? 2 : 1;
    }
    return text.left(position);
}

LoginCache::Row LoginCache::current() const
{
    return rows_.empty() ? Row{} : rows_.front();
}

LoginCache::Row& LoginCache::currentForEdit()
{
    if (rows_.empty())
        rows_.emplace_back();
    return rows_.front();
}

void LoginCache::setCompany(const QString& company)
{
    currentForEdit().company = leftCharacters(company, kLoginCacheColumnSize);
}

void LoginCache::setUsername(const QString& username)
{
    currentForEdit().username = leftCharacters(username, kLoginCacheColumnSize);
}

void LoginCache::load(const QString& path)
{
    const QString shownPath = QDir::toNativeSeparators(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        fail(QStringLiteral("Fisierul %1 nu poate fi citit: %2").arg(shownPath, file.errorString()));
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        fail(QStringLiteral("Fisierul %1 nu poate fi citit: %2").arg(shownPath, file.errorString()));

    QJsonParseError parseError;
    const QJsonDocument document = QJsonDocument::fromJson(bytes, &parseError);
    if (parseError.error != QJsonParseError::NoError)
        fail(QStringLiteral("Fisierul %1 nu este JSON valid (pozitia %2)")
                 .arg(shownPath)
                 .arg(parseError.offset));
    const QJsonValue rowsValue = document.object().value(kRows);
    if (!document.isObject() || !rowsValue.isArray())
        fail(QStringLiteral("Fisierul %1 nu are formatul asteptat").arg(shownPath));

    std::vector<Row> loaded;
    for (const QJsonValue& rowValue : rowsValue.toArray()) {
        if (!rowValue.isObject())
            fail(QStringLiteral("Fisierul %1 nu are formatul asteptat").arg(shownPath));
        const QJsonObject row = rowValue.toObject();
        loaded.push_back(Row{textMember(row, kCompany, path), textMember(row, kUsername, path)});
    }
    rows_ = std::move(loaded);
}

void LoginCache::save(const QString& path) const
{
    const QString shownPath = QDir::toNativeSeparators(path);
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder))
        fail(QStringLiteral("Folderul %1 nu poate fi creat").arg(QDir::toNativeSeparators(folder)));

    QJsonArray rows;
    for (const Row& row : rows_)
        rows.append(QJsonObject{{kCompany, row.company}, {kUsername, row.username}});
    const QJsonObject root{{kColumns, QJsonArray{columnDefinition(kCompany), columnDefinition(kUsername)}},
                           {kRows, rows}};

    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        fail(QStringLiteral("Fisierul %1 nu poate fi scris: %2").arg(shownPath, file.errorString()));
    const QByteArray bytes = QJsonDocument(root).toJson(QJsonDocument::Indented);
    if (file.write(bytes) != bytes.size() || !file.commit())
        fail(QStringLiteral("Fisierul %1 nu poate fi scris: %2").arg(shownPath, file.errorString()));
}

}  // namespace worvanta::login
