#include "storage/settingsfile.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStringView>
#include <limits>
#include <utility>

#include "common/decimal.h"

namespace {

const std::array<QString, TSettingsFile::kRecordLines> kPrefixes = {
    QStringLiteral("Org_Name"), QStringLiteral("Phone"), QStringLiteral("Fax"), QStringLiteral("E-mail"),
    QStringLiteral("Name")};
const std::array<QStringView, TSettingsFile::kRecordLines> kLowerPrefixes = {u"org_name", u"phone", u"fax",
                                                                             u"e-mail", u"name"};
const QString kOrderNumberKey = QStringLiteral("N_ORDER");

// Keys longer than this are never record keys (the record number would not fit an int).
constexpr qsizetype kMaxRecordDigits = 9;

// A key as a record key: one of the five prefixes in any letter case, then a record number in
// decimal without leading zeros. Keys come from a Windows-1251 file, whose only characters that
// fold to ASCII letters are ASCII letters, so comparing ASCII without case is the same as
// comparing the lower-case keys.
struct RecordKey {
    int field = -1;
    int record = -1;
};

RecordKey ParseRecordKey(QStringView key) {
    for (int f = 0; f < TSettingsFile::kRecordLines; ++f) {
        const QStringView prefix = kLowerPrefixes[f];
        const qsizetype digits = key.size() - prefix.size();
        if (digits < 1 || digits > kMaxRecordDigits) {
            continue;
        }
        bool same = true;
        for (qsizetype i = 0; i < prefix.size() && same; ++i) {
            const char16_t c = key[i].unicode();
            const char16_t lower = c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c;
            same = lower == prefix[i].unicode();
        }
        if (!same) {
            continue;
        }
        const QStringView number = key.sliced(prefix.size());
        if (number[0] == u'0' && number.size() > 1) {
            return {};
        }
        int record = 0;
        for (QChar c : number) {
            if (c < u'0' || c > u'9') {
                return {};
            }
            record = record * 10 + (c.unicode() - u'0');
        }
        return {f, record};
    }
    return {};
}

// The key of a line, without copying; a line without "=" has none.
bool KeyView(const QString& line, QStringView& key) {
    const qsizetype eq = line.indexOf(u'=');
    if (eq < 0) {
        return false;
    }
    key = QStringView(line).first(eq);
    return true;
}

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

void TSettingsFile::Reindex() {
    // Records up to one beyond what the lines can hold, so that every record of the file and one
    // appended after it are looked up by number.
    recordIndex_.assign(static_cast<std::size_t>(lines_.size() / kRecordLines + 1), {-1, -1, -1, -1, -1});
    otherIndex_.clear();
    for (int i = 0; i < static_cast<int>(lines_.size()); ++i) {
        IndexLine(i);
    }
}

void TSettingsFile::IndexLine(int line) {
    QStringView key;
    if (!KeyView(std::as_const(lines_)[line], key)) {
        return;
    }
    const RecordKey recordKey = ParseRecordKey(key);
    if (recordKey.field >= 0 && recordKey.record < static_cast<int>(recordIndex_.size())) {
        int& slot = recordIndex_[static_cast<std::size_t>(recordKey.record)][recordKey.field];
        if (slot < 0) {
            slot = line;
        }
        return;
    }
    const QString lowerKey = key.toString().toLower();
    if (!otherIndex_.contains(lowerKey)) {
        otherIndex_.insert(lowerKey, line);
    }
}

int TSettingsFile::LineOf(QStringView key) const {
    const RecordKey recordKey = ParseRecordKey(key);
    if (recordKey.field >= 0 && recordKey.record < static_cast<int>(recordIndex_.size())) {
        return recordIndex_[static_cast<std::size_t>(recordKey.record)][recordKey.field];
    }
    return otherIndex_.value(key.toString().toLower(), -1);
}

int TSettingsFile::RecordLine(int record, Field field) const {
    if (record >= 0 && record < static_cast<int>(recordIndex_.size())) {
        return recordIndex_[static_cast<std::size_t>(record)][field];
    }
    return LineOf(KeyOf(record, field));
}

QString TSettingsFile::Value(const QString& key) const {
    const int line = LineOf(key);
    return line < 0 ? QString() : ValueOf(lines_[line]);
}

QString TSettingsFile::RecordValue(int record, Field field) const {
    const int line = RecordLine(record, field);
    return line < 0 ? QString() : ValueOf(lines_[line]);
}

void TSettingsFile::SetValue(const QString& key, const QString& value) {
    const int line = LineOf(key);
    if (line >= 0) {
        lines_[line] = key + u'=' + value;  // the same key in another letter case: index unchanged
    } else {
        lines_.append(key + u'=' + value);
        IndexLine(static_cast<int>(lines_.size() - 1));
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
    const int records = RecordCount();
    for (int r = 0; r < records; ++r) {
        const QString number = QString::number(r);
        for (int f = 0; f < kRecordLines; ++f) {
            QString& line = lines_[qsizetype{r} * kRecordLines + f];
            const QString& prefix = kPrefixes[f];
            const qsizetype keySize = prefix.size() + number.size();
            // Most lines before the deleted record already carry their key: leave them as they are.
            if (line.size() > keySize && line[keySize] == u'=' && QStringView(line).startsWith(prefix) &&
                QStringView(line).sliced(prefix.size(), number.size()) == number) {
                continue;
            }
            const qsizetype eq = line.indexOf(u'=');
            const QStringView value = eq < 0 ? QStringView() : QStringView(line).sliced(eq + 1);
            QString renumbered;
            renumbered.reserve(keySize + 1 + value.size());
            renumbered.append(prefix).append(number).append(u'=').append(value);
            line = std::move(renumbered);
        }
    }
    // Every record line now carries the key of its position, so the index follows from the
    // positions; only the lines after the records are looked at.
    recordIndex_.assign(static_cast<std::size_t>(lines_.size() / kRecordLines + 1), {-1, -1, -1, -1, -1});
    otherIndex_.clear();
    for (int r = 0; r < records; ++r) {
        for (int f = 0; f < kRecordLines; ++f) {
            recordIndex_[static_cast<std::size_t>(r)][f] = r * kRecordLines + f;
        }
    }
    for (int i = records * kRecordLines; i < static_cast<int>(lines_.size()); ++i) {
        IndexLine(i);
    }
}

void TSettingsFile::DeleteOrganisation(const QString& org) {
    const int first = FindRecord(org);
    if (first < 0) {
        return;
    }
    // After the first deletion the records are renumbered, so every later record is found at its
    // position: drop all of the organisation's groups of five in one pass, then renumber once.
    const int n = RecordCount();
    const QStringList& lines = lines_;
    QStringList kept;
    kept.reserve(lines.size());
    kept.append(lines.first(qsizetype{first} * kRecordLines));
    for (int k = first + 1; k < n; ++k) {
        const qsizetype start = qsizetype{k} * kRecordLines;
        if (ValueOf(lines[start]) != org) {
            kept.append(lines.sliced(start, kRecordLines));
        }
    }
    kept.append(lines.sliced(qsizetype{n} * kRecordLines));
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
