// Every web address the reader screens open, in one place.
#pragma once

#include <QString>

namespace WebAddresses {

// HHS Office for Civil Rights, HIPAA pages.
inline const QString kCivilRights = QStringLiteral("https://www.hhs.gov/hipaa/index.html");
// HHS: the administrative-simplification rules are now kept under HIPAA for professionals.
inline const QString kHealthAndHumanServices = QStringLiteral("https://www.hhs.gov/hipaa/for-professionals/index.html");
// CMS, HIPAA administrative simplification.
inline const QString kMedicareMedicaid =
    QStringLiteral("https://www.cms.gov/regulations-and-guidance/administrative-simplification/hipaa-aca");
// The HIPAAComply site no longer exists; HHS's Security Rule guidance covers the same ground.
inline const QString kHipaaComply = QStringLiteral("https://www.hhs.gov/hipaa/for-professionals/security/index.html");
// The HIPAAdvisory questions and answers are gone; HHS keeps the current HIPAA questions and answers.
inline const QString kHipaaAdvisory = QStringLiteral("https://www.hhs.gov/hipaa/for-professionals/faq/index.html");
// NIST's index of its special publications (800 series).
inline const QString kNistSpecialPublications = QStringLiteral("https://csrc.nist.gov/publications/sp800");
// Workgroup for Electronic Data Interchange.
inline const QString kWedi = QStringLiteral("https://www.wedi.org");
// NIST's resource guide for implementing the Security Rule: SP 800-66 Rev. 2, PDF.
inline const QString kNistResourceGuide =
    QStringLiteral("https://nvlpubs.nist.gov/nistpubs/SpecialPublications/NIST.SP.800-66r2.pdf");

} // namespace WebAddresses
