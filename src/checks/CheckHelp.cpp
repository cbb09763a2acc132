#include "checks/CheckHelp.h"

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// A heading between two rules of 35 hyphens, on three lines.
QString ruledHeading(const char* heading) {
    const QString rule(35, QLatin1Char('-'));
    return rule + kLineBreak + QString::fromUtf8(heading) + kLineBreak + rule;
}

} // namespace

HelpTopic VatNumberTopic() {
    return {QStringLiteral("Controllo del numero di partita IVA"),
            {QString::fromUtf8("La funzione di controllo del numero di partita IVA è disponibile all'interno degli "
                               "archivi degli intestatari e degli esecutori tramite il pulsante posto accanto alla "
                               "casella della partita IVA."),
             QString::fromUtf8("Per effettuare la verifica è sufficiente digitare il numero nell'apposita casella e "
                               "premere il pulsante di controllo: un messaggio comunicherà l'esito dell'operazione "
                               "e, nel caso di un numero corretto, l'Ufficio IVA che lo ha rilasciato."),
             QString::fromUtf8("Dopo il controllo, l'icona posta a destra della casella permette di copiare il "
                               "numero negli Appunti di Windows, mentre l'icona del foglio bianco posta a sinistra "
                               "cancella il numero per consentire una nuova verifica."),
             ruledHeading("Uno sguardo al numero di partita IVA"),
             QString::fromUtf8("Il numero di partita IVA viene rilasciato dall'Ufficio provinciale IVA al momento "
                               "dell'apertura di una posizione IVA per l'esercizio di un'attività di lavoro autonomo "
                               "o d'impresa."),
             QString::fromUtf8("Il numero è composto da 11 cifre: le prime sette identificano il contribuente con un "
                               "numero progressivo, le tre successive indicano la provincia in cui ha sede l'Ufficio "
                               "che lo ha rilasciato e l'ultima è un carattere di controllo."),
             QString::fromUtf8("Dal febbraio 1999 le imprese individuali e le società di persone possono ottenere il "
                               "numero di partita IVA anche dalle Camere di Commercio al momento dell'iscrizione nel "
                               "registro delle imprese, con la medesima validità.")}};
}

HelpTopic TaxCodeTopic() {
    return {QStringLiteral("Verifica del codice fiscale"),
            {QString::fromUtf8("La funzione di verifica del codice fiscale è disponibile all'interno degli archivi "
                               "degli intestatari e degli esecutori tramite il pulsante posto accanto alla casella "
                               "del codice fiscale."),
             QString::fromUtf8("Per effettuare la verifica è sufficiente digitare il codice nell'apposita casella e "
                               "premere il pulsante di controllo: un messaggio comunicherà l'esito dell'operazione."),
             ruledHeading("Uno sguardo al codice fiscale"),
             QString::fromUtf8("Il codice fiscale è composto da 16 caratteri tra lettere e cifre ed è attribuito dal "
                               "Ministero delle Finanze a ogni persona residente in Italia."),
             QString::fromUtf8("Può essere richiesto da qualsiasi cittadino maggiorenne residente presso il "
                               "competente Ufficio delle imposte dirette."),
             QString::fromUtf8("Per richiedere il codice di un'altra persona occorre una delega scritta, senza "
                               "autenticazione della firma, accompagnata da un documento di identità del delegante "
                               "o da una sua fotocopia; per i figli minori è sufficiente un certificato di stato di "
                               "famiglia o un'autocertificazione."),
             QString::fromUtf8("Il codice viene attribuito immediatamente; il tesserino plastificato arriva per posta "
                               "in circa due mesi."),
             QString::fromUtf8("In rari casi, soprattutto nei grandi comuni, a persone nate lo stesso giorno e con "
                               "nomi simili viene attribuito un codice assegnato in modo non standard."),
             QString::fromUtf8("Il codice fiscale è obbligatorio per le dichiarazioni dei redditi, le dichiarazioni "
                               "dei sostituti d'imposta, le denunce previdenziali, le certificazioni rilasciate ai "
                               "soggetti che subiscono ritenute, le fatture IVA, le ricevute fiscali, i documenti di "
                               "trasporto, le dichiarazioni IVA, le registrazioni degli atti, le dichiarazioni di "
                               "successione e di donazione e l'iscrizione negli albi professionali.")}};
}

HelpTopic CardNumberTopic() {
    static const char* const kTypes[] = {"American Express", "Australian BankCard", "Carte Blanche",
                                         "Diners Club",      "Discover",            "EnRoute",
                                         "JCB",              "Master Card",         "Visa"};
    QStringList lines;
    for (int i = 0; i < 9; ++i)
        lines << QStringLiteral("   %1. %2").arg(i + 1).arg(QLatin1String(kTypes[i]));
    return {QStringLiteral("Controllo del numero di carta di credito"),
            {QString::fromUtf8("Quillora è in grado di controllare un numero di carta di credito, confermando il "
                               "tipo di carta e la validità del formato del numero; la funzione è disponibile "
                               "all'interno degli archivi degli intestatari e degli esecutori tramite il pulsante "
                               "posto accanto alla casella della carta di credito."),
             QString::fromUtf8("I tipi di carta di credito supportati sono elencati di seguito."),
             lines.join(kLineBreak),
             QString::fromUtf8("Il tipo di carta viene riconosciuto in base alla lunghezza del numero e alle sue "
                               "cifre iniziali."),
             QString::fromUtf8("Dopo il riconoscimento del tipo, un ulteriore algoritmo verifica che le cifre "
                               "formino un numero valido."),
             QString::fromUtf8("Il controllo conferma soltanto la correttezza formale del numero e mai "
                               "l'autenticità della carta.")}};
}
