#include "common/HelpCatalogue.h"

namespace {

const QString kLineBreak = QStringLiteral("\r\n");

// A heading between two rules of 35 hyphens, on three lines.
QString ruledHeading(const char* heading) {
    const QString rule(35, QLatin1Char('-'));
    return rule + kLineBreak + QString::fromUtf8(heading) + kLineBreak + rule;
}

} // namespace

namespace HelpCatalogue {

HelpTopic AccessPassword() {
    return {QStringLiteral("Gestione della password di accesso"),
            {QString::fromUtf8(
                 "Come rileva un documento redatto da Microsoft pubblicato ad aprile 2004, dal 1 Gennaio 2004  è in "
                 "vigore, in Italia, il Codice in materia di protezione dei dati personali (Decreto legislativo n. 196 "
                 "del 30/6/2003) che riforma interamente la disciplina sulla privacy. Il Codice abroga e sostituisce "
                 "tutte le precedenti leggi, decreti e regolamenti in materia, riunendo in un unico organico contesto "
                 "l'intera normativa sulla privacy."),
             QString::fromUtf8(
                 "Tutte le aziende sono tenute a rispettare la nuova normativa, la cui corretta applicazione consente, "
                 "non solo di adempiere agli obblighi di legge, ma anche di migliorare l'organizzazione aziendale, i "
                 "processi di lavoro e la qualità dei risultati. Il Codice richiede l'adozione di diverse misure di "
                 "sicurezza per garantire che i dati trattati siano custoditi e controllati secondo alcune misure "
                 "minime di sicurezza: a titolo di esempio possiamo citare il fatto che ogni persona che accede alla "
                 "banca dati (dall'anagrafica dei clienti ad archivi contenenti dati sensibili) deve essere "
                 "preventivamente incaricata e riconosciuta dal sistema attraverso un identificativo associato ad una "
                 "password che deve essere lunga almeno otto caratteri, modificabile all'atto del primo collegamento e "
                 "non deve essere agevolmente riconducibile al proprietario."),
             QString::fromUtf8(
                 "Permettendo di archiviare informazioni riservate, Quillora ha voluto uniformarsi alla normativa "
                 "summenzionata proteggendo l'accesso al software tramite una password aggiornabile dall'utente. Tale "
                 "password deve essere costituita da almeno otto caratteri e può essere cambiata tutte le volte che si "
                 "vuole. Per il primo accesso al programma, bisogna utilizzare la parola chiave ") +
                 QLatin1Char('"') + QStringLiteral("pianoforterosa") + QLatin1Char('"') +
                 QStringLiteral(" (senza virgolette)."),
             QString::fromUtf8(
                 "In ogni caso, il modo migliore per proteggere i propri dati da persone non autorizzate resta quello "
                 "di affidarsi ai prodotti e alle tecnologie Microsoft integrate nelle versioni più recenti del "
                 "sistema operativo, che rendono possibile un sistema di autenticazione chiuso agli estranei e "
                 "un'infrastruttura di rete sicura e affidabile, in grado di soddisfare al meglio i requisiti di "
                 "legge.")}};
}

HelpTopic Overview() {
    return {QStringLiteral("Uno sguardo a Quillora"),
            {QString::fromUtf8(
                 "Quillora è un software facile ed intuitivo per la compilazione e la stampa dei bollettini di conto "
                 "corrente postale e per la gestione dei riepiloghi dei versamenti eseguiti. I bollettini supportati "
                 "sono quelli della serie TD 123 mod. CH 8 TER e mod. CH 8 QUATER con conto corrente a dodici cifre "
                 "emessi dall'Ente Poste a partire dall'anno 2010."),
             QString::fromUtf8(
                 "La compilazione dei bollettini è facilitata dalla possibilità di importare i dati da altri tre "
                 "archivi messi a disposizione dal programma: (1) quello degli intestatari, in cui sono archiviati i "
                 "dati anagrafici, gli indirizzi, i numeri di conto corrente, i recapiti telefonici e molte altre "
                 "informazioni riguardanti persone o ditte a favore delle quali si effettuano i versamenti, (2) quello "
                 "degli esecutori, in cui sono memorizzati i dati degli utenti che eseguono i versamenti e (3) quello "
                 "delle causali, in cui possono essere descritti i versamenti più ricorrenti."),
             QString::fromUtf8(
                 "Gli archivi degli intestatari e degli esecutori possono essere usati anche come complete rubriche "
                 "elettroniche dotate di funzioni avanzate quali le chiamate telefoniche via modem e l'invio di "
                 "e-mail, nonché il controllo della validità del codice fiscale, della partita IVA e del numero di "
                 "carta di credito."),
             QString::fromUtf8(
                 "Il programma dispone di un semplice ambiente per l'impostazione dei margini di stampa da "
                 "utilizzarsi nel caso in cui i valori di partenza non coincidano con quelli richiesti dalla propria "
                 "stampante."),
             QString::fromUtf8(
                 "Il software permette di elaborare i dati inseriti in modo da ottenere il riepilogo dei versamenti "
                 "in base al singolo esecutore o intestatario. E' anche possibile ottenere il riepilogo di tutti i "
                 "versamenti eseguiti in un anno solare."),
             QString::fromUtf8(
                 "L'accesso al programma è protetto da una password scelta dall'utente. Per il primo accesso e dopo "
                 "ogni installazione del software, bisogna utilizzare la parola chiave ") +
                 QLatin1Char('"') + QStringLiteral("pianoforterosa") + QLatin1Char('"') +
                 QStringLiteral(" scritta senza le virgolette."),
             QString::fromUtf8(
                 "Esiste una procedura guidata per la creazione di copie di sicurezza di tutti gli archivi "
                 "disponibili, nonché per il ripristino dei dati."),
             QString::fromUtf8(
                 "Inoltre, ciascun archivio annuale dei versamenti può essere convertito in un foglio di calcolo di "
                 "Microsoft Excel utilizzando una semplice funzione accessibile con pochi clic del mouse."),
             QString::fromUtf8(
                 "Quillora è quindi lo strumento ideale per le aziende o i privati cittadini che vogliono avvalersi "
                 "del proprio computer per compilare e stampare in pochi secondi i bollettini di conto corrente "
                 "postale e per tenere traccia di tutti i versamenti eseguiti.")}};
}

HelpTopic SlipWorkbench() {
    return {QStringLiteral("Compilazione, stampa e archiviazione dei bollettini"),
            {QString::fromUtf8(
                 "Quillora mette a disposizione un ambiente di lavoro per la compilazione, la stampa e "
                 "l'archiviazione dei versamenti eseguiti. La prima operazione da effettuare è la selezione "
                 "dell'archivio annuale che dà accesso alla schermata per la gestione dei bollettini."),
             QString::fromUtf8(
                 "I campi relativi all'esecutore e all'intestatario del versamento sono affiancati da appositi "
                 "pulsanti che consentono di importare i dati dagli archivi anagrafici. E' importante compilare "
                 "tali campi con molta precisione, importando i dati dall'archivio ogni volta che è possibile. "
                 "Infatti, affinché il programma possa attribuire correttamente un versamento ad una persona o ad "
                 "una ditta all'interno dei riepiloghi, è necessario che il nominativo sia scritto sempre nella "
                 "stessa maniera."),
             QString::fromUtf8(
                 "Le informazioni relative alla causale del versamento possono essere importate dall'archivio "
                 "corrispondente se si è provveduto a memorizzarle in precedenza. L'archivio delle causali, "
                 "infatti, è stato studiato per tenere traccia delle operazioni più ricorrenti allo scopo di "
                 "velocizzare la compilazione della scheda del bollettino."),
             QString::fromUtf8(
                 "Si tenga presente che è possibile inserire una nuova causale in archivio direttamente dalla "
                 "schermata per la gestione dei movimenti utilizzando l'icona Esporta dati dopo aver compilato la "
                 "casella di testo. Allo stesso modo, si può salvare una nuova scheda negli archivi anagrafici "
                 "degli intestatari e degli esecutori."),
             QString::fromUtf8(
                 "Il campo Note serve ad ospitare qualsiasi informazione aggiuntiva con cui si vuole commentare il "
                 "versamento corrente."),
             QString::fromUtf8(
                 "Il gruppo degli strumenti a destra della schermata si propone di gestire l'inserimento, la "
                 "modifica, la cancellazione e la ricerca delle schede all'interno dell'archivio e permette "
                 "l'accesso ad una serie di funzioni aggiuntive."),
             QString::fromUtf8(
                 "Appositi pulsanti permettono di impostare i margini della stampante prima di eseguire la stampa "
                 "del bollettino e di convertire l'archivio dei versamenti in un foglio di calcolo di Microsoft "
                 "Excel."),
             QString::fromUtf8(
                 "E' possibile verificare che il separatore decimale sia impostato correttamente nel proprio "
                 "sistema operativo facendo clic sul pulsante Impostazioni separatore decimale e, infine, si può "
                 "avviare una procedura guidata per creare una copia di sicurezza dell'archivio corrente o per "
                 "ripristinare una copia di riserva selezionando il pulsante Backup archivio.")}};
}

HelpTopic DecimalSeparator() {
    return {QStringLiteral("Impostazione del separatore decimale"),
            {QString::fromUtf8(
                 "Prima di accedere ad un archivio annuale dei versamenti, è buona norma accertarsi che nel sistema "
                 "operativo la virgola sia impostata come separatore decimale secondo le convenzioni italiane. Si "
                 "tenga presente che, se sulla propria macchina è installata una versione inglese o americana del "
                 "sistema operativo, quasi sicuramente sarà impostato il punto, anziché la virgola, come simbolo "
                 "separatore."),
             QString::fromUtf8(
                 "Dal momento che Quillora è stato progettato seguendo le convenzioni numeriche italiane, è "
                 "necessario che il separatore decimale sia impostato correttamente. A tal fine, il programma mette a "
                 "disposizione la funzione Impostazioni separatore decimale richiamabile tramite il pulsante presente "
                 "all'interno della finestra di selezione dell'archivio dei bollettini."),
             QString::fromUtf8(
                 "Premendo il pulsante per il controllo del separatore decimale si ottiene, a seconda dei casi, o un "
                 "messaggio che ci conferma che le impostazioni sono corrette o un messaggio che ci segnala la "
                 "necessità di cambiare le impostazioni. In quest'ultimo caso, il programma ci chiederà se vogliamo "
                 "impostare la virgola come separatore decimale, cosicché ci basterà rispondere positivamente per "
                 "risolvere il problema.")}};
}

// ---------------------------------------------------------------- the registers

HelpTopic AddressBook() {
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

HelpTopic Reasons() {
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

// ---------------------------------------------------------------- the identifier checkers

HelpTopic VatNumber() {
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

HelpTopic TaxCode() {
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

HelpTopic CardNumber() {
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

// ---------------------------------------------------------------- the backup wizard

HelpTopic Backup() {
    return {QStringLiteral("Copia di sicurezza dei dati"),
            {QString::fromUtf8("E' buona norma fare di tanto in tanto una copia di sicurezza dei file di archivio "
                               "salvati con Quillora per prevenire una perdita accidentale dei dati."),
             QString::fromUtf8("In ogni archivio, il programma mette a disposizione una procedura guidata per "
                               "creare una copia di sicurezza dei record inseriti o per ripristinare i file di "
                               "backup salvati precedentemente. Per accedere a tale funzione è sufficiente fare clic "
                               "sul pulsante Backup archivio presente nelle diverse schermate di lavoro."),
             QString::fromUtf8("Per effettuare il backup è necessario selezionare la cartella dove si vuole salvare "
                               "la copia di sicurezza del file dopodiché bisogna confermare l'operazione premendo il "
                               "pulsante Effettua backup. Per cambiare la cartella di destinazione basta servirsi "
                               "ancora del pulsante Seleziona cartella ed effettuare una nuova selezione."),
             QString::fromUtf8("Per ripristinare una copia di sicurezza di un archivio annuale è necessario "
                               "selezionare il relativo file di backup nella cartella in cui è stato salvato. Si "
                               "tenga presente che le copie di sicurezza dei diversi archivi sono caratterizzate da "
                               "estensioni proprietarie che facilitano l'individuazione del file. Anche in questo "
                               "caso è necessario confermare l'operazione premendo il pulsante Effettua ripristino, "
                               "mentre per selezionare una diversa copia di sicurezza del file bisogna servirsi del "
                               "pulsante con la scritta Seleziona file seguita dall'estensione.")}};
}

// ---------------------------------------------------------------- the year summaries

HelpTopic Summaries() {
    return {QStringLiteral("Riepilogo versamenti"),
            {QString::fromUtf8(
                 "Quillora consente di ottenere tre diversi tipi di riepilogo dei versamenti eseguiti: in base al "
                 "singolo esecutore, in base al singolo intestatario oppure in base a tutti i versamenti in "
                 "archivio."),
             QString::fromUtf8(
                 "Una volta selezionato l'anno solare di riferimento, si accede ad una nuova finestra in cui "
                 "bisogna specificare un tipo di riepilogo. Fatto ciò, è sufficiente premere il pulsante Avanti per "
                 "visualizzare l'elenco dei versamenti in base al criterio specificato."),
             QString::fromUtf8(
                 "Si tenga presente che gli elenchi degli esecutori e degli intestatari presenti nella schermata di "
                 "selezione del tipo di riepilogo dipendono da come l'utente ha compilato i relativi campi nelle "
                 "schede dei bollettini. Questo significa che, se si compila con attenzione tali campi, si eviterà "
                 "la presenza in elenco di doppioni dovuti al fatto di aver scritto in maniera diversa il nome o il "
                 "cognome di una persona o la ragione sociale di una ditta."),
             QString::fromUtf8(
                 "I riepiloghi visualizzati potranno essere mandati in stampa facendo clic sull'apposita icona.")}};
}

QList<HelpTopic> ManualTopics() {
    return {Overview(),   AccessPassword(), SlipWorkbench(), DecimalSeparator(), Backup(), AddressBook(),
            VatNumber(),  TaxCode(),        CardNumber(),    Reasons(),          Summaries()};
}

} // namespace HelpCatalogue
