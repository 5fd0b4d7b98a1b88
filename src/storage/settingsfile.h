#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <array>
#include <vector>

#include "common/linefile.h"

// The settings file: lines of key=value. Customer records of five lines each (Org_Name<i>,
// Phone<i>, Fax<i>, E-mail<i>, Name<i>), then a closing line N_ORDER=<number of the last complete
// order>. Keys match without regard to letter case, the first matching line wins; organisation and
// contact names compare exactly.
//
// The lines are indexed once per load (and after each change), so that no lookup rescans them:
// record keys (a prefix and a record number) by number and field, every other key by its
// lower-case text.

struct TContactDetails {
    QString phone;
    QString fax;
    QString email;

    bool operator==(const TContactDetails&) const = default;
};

class TSettingsFile {
public:
    enum Field { OrgName, Phone, Fax, Email, Name };
    static constexpr int kRecordLines = 5;
    static const QString kFileName;  // "Kvarel_Order.ini"

    TSettingsFile() = default;
    explicit TSettingsFile(QStringList lines);

    const QStringList& Lines() const { return lines_; }

    // (number of lines - 1) / 5: the closing line is never part of a record.
    int RecordCount() const;

    // The value of the first line whose key is `key` (letter case ignored); empty when none.
    QString Value(const QString& key) const;
    QString RecordValue(int record, Field field) const;

    // The first record of the organisation (and contact person), or -1.
    int FindRecord(const QString& org) const;
    int FindRecord(const QString& org, const QString& name) const;

    QStringList ListOrganisations() const;
    QStringList ListContacts(const QString& org) const;

    // Phone, fax and e-mail of the organisation's first record; empty when no record carries it.
    TContactDetails FindContactDetails(const QString& org) const;

    qint32 NextOrderNumber() const;
    void SetOrderNumber(const QString& numberText);

    void AddOrganisation(const QString& org, const QString& phone, const QString& fax, const QString& email);
    void ChangeOrganisation(const QString& oldOrg, const QString& org, const QString& phone,
                            const QString& fax, const QString& email);
    void DeleteOrganisation(const QString& org);
    void AddContact(const QString& org, const QString& name);
    void ChangeContact(const QString& org, const QString& oldName, const QString& name);
    void DeleteContact(const QString& org, const QString& name);

    static QString KeyOf(int record, Field field);

private:
    static QString Key(const QString& line);
    static QString ValueOf(const QString& line);
    void Reindex();
    void IndexLine(int line);           // unless an earlier line carries its key
    int LineOf(QStringView key) const;  // -1 when no line carries the key
    int RecordLine(int record, Field field) const;
    void SetValue(const QString& key, const QString& value);
    void AppendRecord(const std::array<QString, kRecordLines>& values);
    void Renumber();

    QStringList lines_;
    // [record][field] -> first line carrying the key, -1 when none; for records below its size.
    std::vector<std::array<int, kRecordLines>> recordIndex_;
    QHash<QString, int> otherIndex_;  // lower-case key -> first line, for all other keys
};

// The settings file in the program folder. A missing file is a normal state.
namespace settings {

QString PathIn(const QString& folder);
bool Exists(const QString& folder);

// Loads the file; `exists` tells whether there was one (a missing file gives an empty list).
struct Loaded {
    FileResult result;
    bool exists = false;
    TSettingsFile file;
};
Loaded Load(const QString& folder);
FileResult Save(const QString& folder, const TSettingsFile& file);

// The changing operations that read the file afresh, change it and write it back.
FileResult StoreOrderNumber(const QString& folder, const QString& numberText);  // nothing without a file
FileResult AddOrganisation(const QString& folder, const QString& org, const QString& phone,
                           const QString& fax,
                           const QString& email);  // creates the file
FileResult AddContact(const QString& folder, const QString& org,
                      const QString& name);  // nothing without a file

}  // namespace settings
