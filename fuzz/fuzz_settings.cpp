#include <cstddef>
#include <cstdint>

#include "common/linefile.h"
#include "storage/settingsfile.h"

// Any bytes as a settings file, put through every operation of the customer directory: no crash,
// no undefined behaviour.
extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    TSettingsFile file(SplitLines(QByteArrayView(data, static_cast<qsizetype>(size))));
    const QStringList organisations = file.ListOrganisations();
    const QString org = organisations.isEmpty() ? QString() : organisations.constFirst();
    const QStringList contacts = file.ListContacts(org);
    const QString name = contacts.isEmpty() ? QString() : contacts.constFirst();
    (void)file.FindContactDetails(org);
    (void)file.NextOrderNumber();
    file.AddContact(org, QStringLiteral("x"));
    file.ChangeContact(org, name, QStringLiteral("y"));
    file.DeleteContact(org, QStringLiteral("y"));
    file.ChangeOrganisation(org, QStringLiteral("z"), QStringLiteral("1"), QString(), QStringLiteral("e"));
    file.DeleteOrganisation(QStringLiteral("z"));
    file.AddOrganisation(QStringLiteral("a"), QStringLiteral("1"), QString(), QString());
    file.SetOrderNumber(QStringLiteral("99999999999999"));
    return 0;
}
