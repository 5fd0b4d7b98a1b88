#include "storage/settingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <limits>

#include "common/decimal.h"

namespace {

const std::array<QString, TSettingsFile::kRecordLines> kPrefixes = {
    QStringLiteral("Org_Name"), QStringLiteral("Phone"), QStringLiteral("Fax"), QStringLiteral("E-mail"),
    QStringLiteral("Name")};
const std::array<QString, TSettingsFile::kRecordLines> kLowerPrefixes = {
    QStringLiteral("org_name"), QStringLiteral("phone"), QStringLiteral("fax"), QStringLiteral("e-mail"),
    QStringLiteral("name")};
const QString kOrderNumberKey = QStringLiteral("N_ORDER");
const QString kLowerOrderNumberKey = QStringLiteral("n_order");

}  // namespace

const QString TSettingsFile::kFileName = QStringLiteral("Kvarel_Order.ini");

TSettingsFile::TSettingsFile(QStringList lines) : lines_(std::move(lines)) {
    Reindex();
}

int TSettingsFile::RecordCount() const {
    return lines_.isEmpty() ? 0 : static_cast<int>((lines_.size() - 1) / 5);
}

QString TSettingsFile::Key(const QString& line) {
    const qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? QString() : line.left(eq);
}

QString TSettingsFile::ValueOf(const QString& line) {
    const qsizetype eq = line.indexOf(u'=');
    return eq < 0 ? QString() : line.mid(eq + 1);
}

QString TSettingsFile::KeyOf(int record, Field field) {
    return kPrefixes[field] + QString::number(record);
}

QString TSettingsFile::LowerKeyOf(int record, Field field) const {
    return kLowerPrefixes[field] + QString::number(record);
}

void TSettingsFile::Reindex() {
    index_.clear();
    index_.reserve(lines_.size());
    // Backwards, so that the first line carrying a key is the one that stays in the index.
    for (int i = static_cast<int>(lines_.size()) - 1; i >= 0; --i) {
        const qsizetype eq = lines_[i].indexOf(u'=');
        if (eq >= 0) {
            index_.insert(lines_[i].left(eq).toLower(), i);
        }
    }
}

int TSettingsFile::LineOf(const QString& lowerKey) const {
    return index_.value(lowerKey, -1);
}

QString TSettingsFile::Value(const QString& key) const {
    const int line = LineOf(key.toLower());
    return line < 0 ? QString() : ValueOf(lines_[line]);
}

QString TSettingsFile::RecordValue(int record, Field field) const {
    const int line = LineOf(LowerKeyOf(record, field));
    return line < 0 ? QString() : ValueOf(lines_[line]);
}

void TSettingsFile::SetValue(const QString& key, const QString& value) {
    const QString lowerKey = key.toLower();
    const int line = LineOf(lowerKey);
    if (line >= 0) {
        lines_[line] = key + u'=' + value;
    } else {
        lines_.append(key + u'=' + value);
        index_.insert(lowerKey, static_cast<int>(lines_.size() - 1));
    }
}

int TSettingsFile::FindRecord(const QString& org) const {
    const int n = RecordCount();
    for (int i = 0; i < n; ++i) {
        if (RecordValue(i, OrgName) == org) {
            return i;
        }
    }
    return -1;
}

int TSettingsFile::FindRecord(const QString& org, const QString& name) const {
    const int n = RecordCount();
    for (int i = 0; i < n; ++i) {
        if (RecordValue(i, OrgName) == org && RecordValue(i, Name) == name) {
            return i;
        }
    }
    return -1;
}

QStringList TSettingsFile::ListOrganisations() const {
    QStringList result;
    QSet<QString> seen;
    const int n = RecordCount();
    for (int i = 0; i < n; ++i) {
        QString org = RecordValue(i, OrgName);
        if (!org.isEmpty() && !seen.contains(org)) {
            seen.insert(org);
            result.append(std::move(org));
        }
    }
    return result;
}

QStringList TSettingsFile::ListContacts(const QString& org) const {
    QStringList result;
    const int n = RecordCount();
    for (int i = 0; i < n; ++i) {
        if (RecordValue(i, OrgName) == org) {
            QString name = RecordValue(i, Name);
            if (!name.isEmpty()) {
                result.append(std::move(name));
            }
        }
    }
    return result;
}

TContactDetails TSettingsFile::FindContactDetails(const QString& org) const {
    const int i = FindRecord(org);
    if (i < 0) {
        return {};  // never another organisation's details
    }
    return {RecordValue(i, Phone), RecordValue(i, Fax), RecordValue(i, Email)};
}

qint32 TSettingsFile::NextOrderNumber() const {
    const qint64 last = LenientToInt(Value(kOrderNumberKey));
    return static_cast<qint32>(std::min<qint64>(last + 1, std::numeric_limits<qint32>::max()));
}

void TSettingsFile::SetOrderNumber(const QString& numberText) {
    SetValue(kOrderNumberKey, QString::number(LenientToInt(numberText)));
}

void TSettingsFile::AppendRecord(const std::array<QString, kRecordLines>& values) {
    // The new record goes in before the closing line, which stays last.
    const int n = RecordCount();
    const QString closing = lines_.takeLast();
    for (int f = 0; f < kRecordLines; ++f) {
        lines_.append(KeyOf(n, static_cast<Field>(f)) + u'=' + values[f]);
    }
    lines_.append(closing);
    Reindex();
}

void TSettingsFile::AddOrganisation(const QString& org, const QString& phone, const QString& fax,
                                    const QString& email) {
    if (lines_.isEmpty()) {
        lines_ = QStringList{kOrderNumberKey + QStringLiteral("=0")};
    }
    AppendRecord({org, phone, fax, email, QString()});
}

void TSettingsFile::AddContact(const QString& org, const QString& name) {
    if (lines_.isEmpty()) {
        return;  // an empty file has no closing line: treated like a missing one
    }
    const int i = FindRecord(org);
    if (i < 0) {
        AppendRecord({QString(), QString(), QString(), QString(), name});
        return;
    }
    AppendRecord(
        {RecordValue(i, OrgName), RecordValue(i, Phone), RecordValue(i, Fax), RecordValue(i, Email), name});
}

void TSettingsFile::ChangeOrganisation(const QString& oldOrg, const QString& org, const QString& phone,
                                       const QString& fax, const QString& email) {
    const int n = RecordCount();
    for (int i = 0; i < n; ++i) {
        if (RecordValue(i, OrgName) != oldOrg) {
            continue;
        }
        SetValue(KeyOf(i, OrgName), org);
        SetValue(KeyOf(i, Phone), phone);
        // An emptied fax or e-mail field keeps what was stored.
        if (!fax.isEmpty()) {
            SetValue(KeyOf(i, Fax), fax);
        }
        if (!email.isEmpty()) {
            SetValue(KeyOf(i, Email), email);
        }
    }
}

void TSettingsFile::ChangeContact(const QString& org, const QString& oldName, const QString& name) {
    const int n = RecordCount();
    for (int i = 0; i < n; ++i) {
        if (RecordValue(i, OrgName) == org && RecordValue(i, Name) == oldName) {
            SetValue(KeyOf(i, Name), name);
        }
    }
}

void TSettingsFile::Renumber() {
    const int lineCount = RecordCount() * kRecordLines;
    for (int i = 0; i < lineCount; ++i) {
        lines_[i] = KeyOf(i / kRecordLines, static_cast<Field>(i % kRecordLines)) + u'=' + ValueOf(lines_[i]);
    }
    Reindex();
}

void TSettingsFile::DeleteOrganisation(const QString& org) {
    const int first = FindRecord(org);
    if (first < 0) {
        return;
    }
    // After the first deletion the records are renumbered, so every later record is found at its
    // position: drop all of the organisation's groups of five in one pass, then renumber once.
    const int n = RecordCount();
    QStringList kept;
    kept.reserve(lines_.size());
    for (int i = 0; i < first * kRecordLines; ++i) {
        kept.append(lines_[i]);
    }
    for (int k = first; k < n; ++k) {
        const int start = k * kRecordLines;
        if (k != first && ValueOf(lines_[start]) != org) {
            for (int f = 0; f < kRecordLines; ++f) {
                kept.append(lines_[start + f]);
            }
        }
    }
    for (qsizetype i = qsizetype{n} * kRecordLines; i < lines_.size(); ++i) {
        kept.append(lines_[i]);
    }
    lines_ = std::move(kept);
    Renumber();
}

void TSettingsFile::DeleteContact(const QString& org, const QString& name) {
    const int k = FindRecord(org, name);
    if (k < 0) {
        return;
    }
    lines_.remove(qsizetype{k} * kRecordLines, kRecordLines);
    Renumber();
}

namespace settings {

QString PathIn(const QString& folder) {
    return QDir(folder).filePath(TSettingsFile::kFileName);
}

bool Exists(const QString& folder) {
    return QFileInfo::exists(PathIn(folder));
}

Loaded Load(const QString& folder) {
    Loaded loaded;
    if (!Exists(folder)) {
        return loaded;
    }
    loaded.exists = true;
    QStringList lines;
    loaded.result = ReadLineFile(PathIn(folder), lines);
    loaded.file = TSettingsFile(std::move(lines));
    return loaded;
}

FileResult Save(const QString& folder, const TSettingsFile& file) {
    return WriteLineFile(PathIn(folder), file.Lines());
}

FileResult StoreOrderNumber(const QString& folder, const QString& numberText) {
    Loaded loaded = Load(folder);
    if (!loaded.exists || !loaded.result.ok) {
        return loaded.result;
    }
    loaded.file.SetOrderNumber(numberText);
    return Save(folder, loaded.file);
}

FileResult AddOrganisation(const QString& folder, const QString& org, const QString& phone,
                           const QString& fax, const QString& email) {
    Loaded loaded = Load(folder);
    if (!loaded.result.ok) {
        return loaded.result;
    }
    loaded.file.AddOrganisation(org, phone, fax, email);
    return Save(folder, loaded.file);
}

FileResult AddContact(const QString& folder, const QString& org, const QString& name) {
    Loaded loaded = Load(folder);
    if (!loaded.exists || !loaded.result.ok) {
        return loaded.result;
    }
    loaded.file.AddContact(org, name);
    return Save(folder, loaded.file);
}

}  // namespace settings
