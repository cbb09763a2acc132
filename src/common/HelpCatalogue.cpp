#include "common/HelpCatalogue.h"

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

QList<HelpTopic> ManualTopics() { return {Overview(), AccessPassword(), SlipWorkbench(), DecimalSeparator()}; }

} // namespace HelpCatalogue
