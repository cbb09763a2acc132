#include "registers/payees/AddressBookHelp.h"

HelpTopic AddressBookTopic() {
    return {QStringLiteral("Anagrafica intestatari ed esecutori"),
            {QString::fromUtf8(
                 "La sezione anagrafica del programma è composta da due rubriche elettroniche distinte, una per "
                 "gli intestatari e una per gli esecutori abituali dei versamenti. I dati in esse contenuti "
                 "possono essere importati nella scheda del bollettino quando si inserisce un nuovo pagamento."),
             QString::fromUtf8(
                 "Ogni scheda dispone di campi per il cognome e il nome di una persona o la ragione sociale di "
                 "una ditta, l'indirizzo, i numeri di telefono, l'indirizzo e-mail, il numero di conto corrente "
                 "e così via, e può ospitare delle annotazioni."),
             QString::fromUtf8(
                 "Le schede possono essere consultate in sequenza dalla prima all'ultima e viceversa, oppure "
                 "visualizzate come elenco dei nominativi presenti in archivio secondo uno dei diversi criteri "
                 "di ricerca disponibili."),
             QString::fromUtf8(
                 "E' possibile inviare un messaggio di posta elettronica alla persona visualizzata avviando il "
                 "programma di posta predefinito con l'indirizzo già compilato, e si può effettuare una "
                 "telefonata tramite il pulsante posto accanto al numero prescelto."),
             QString::fromUtf8(
                 "I campi della partita IVA, del codice fiscale e della carta di credito sono affiancati da "
                 "pulsanti che controllano il valore inserito; il risultato è mostrato in una finestra di "
                 "messaggio e, per una partita IVA corretta, viene indicato anche l'ufficio provinciale che "
                 "l'ha rilasciata."),
             QString::fromUtf8(
                 "Ogni scheda può essere esportata in un documento di Microsoft Word ed è possibile creare una "
                 "copia di sicurezza dell'intero archivio.")}};
}
