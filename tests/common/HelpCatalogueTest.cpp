#include "common/HelpCatalogue.h"
#include "services/Manual.h"

#include <gtest/gtest.h>

TEST(HelpCatalogue, TheManualPrintsEveryTopicOnceInMenuOrder) {
    QStringList titles;
    for (const HelpTopic& t : Manual::Topics())
        titles << t.title;
    EXPECT_EQ(titles, (QStringList{"Uno sguardo a Quillora", "Gestione della password di accesso",
                                   "Compilazione, stampa e archiviazione dei bollettini",
                                   "Impostazione del separatore decimale", "Copia di sicurezza dei dati",
                                   "Anagrafica intestatari ed esecutori", "Controllo del numero di partita IVA",
                                   "Verifica del codice fiscale", "Controllo del numero di carta di credito",
                                   "Archivio causali", "Riepilogo versamenti"}));
}

TEST(HelpCatalogue, TheWindowsTopicsAreTheManualsOwn) {
    const QList<HelpTopic> manual = HelpCatalogue::ManualTopics();
    const QList<HelpTopic> byName{HelpCatalogue::Overview(), HelpCatalogue::AccessPassword(),
                                  HelpCatalogue::SlipWorkbench(), HelpCatalogue::DecimalSeparator(),
                                  HelpCatalogue::Backup(),        HelpCatalogue::AddressBook(),
                                  HelpCatalogue::VatNumber(),     HelpCatalogue::TaxCode(),
                                  HelpCatalogue::CardNumber(),    HelpCatalogue::Reasons(),
                                  HelpCatalogue::Summaries()};
    ASSERT_EQ(manual.size(), byName.size());
    for (qsizetype i = 0; i < manual.size(); ++i) {
        EXPECT_EQ(manual[i].title, byName[i].title);
        EXPECT_EQ(manual[i].paragraphs, byName[i].paragraphs);
        EXPECT_FALSE(manual[i].paragraphs.isEmpty()) << manual[i].title.toStdString();
    }
}
