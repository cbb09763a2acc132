#include "registers/reasons/ReasonHelp.h"

HelpTopic ReasonRegisterTopic() {
    return {QStringLiteral("Archivio causali"),
            {QString::fromUtf8(
                 "L'archivio causali si propone di facilitare la compilazione dei bollettini consentendo di "
                 "archiviare le causali relative ai versamenti più ricorrenti. Per ogni causale è possibile "
                 "specificare una descrizione su due righe, esportabile nell'ambiente per la compilazione del "
                 "bollettino, un importo in euro e qualsiasi altra annotazione."),
             QString::fromUtf8(
                 "A questo punto, ogni volta che si dovrà registrare il pagamento di un bollettino, sarà "
                 "sufficiente servirsi dell'apposito pulsante di importazione dati per compilare automaticamente "
                 "i campi relativi alla causale e all'importo del versamento."),
             QString::fromUtf8(
                 "Si tenga presente che è possibile inserire una nuova causale in archivio direttamente dalla "
                 "schermata per la gestione dei bollettini utilizzando il pulsante Esporta dati dopo aver "
                 "compilato le caselle di testo."),
             QString::fromUtf8(
                 "La scheda di ogni causale può essere esportata in un file di Microsoft Word ed è anche "
                 "possibile effettuare il backup dell'intero archivio. Infine, un'apposita funzione di ricerca "
                 "permette di individuare velocemente una scheda in archivio per poterla modificare o "
                 "eliminare.")}};
}
