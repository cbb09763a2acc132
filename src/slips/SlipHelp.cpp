#include "slips/SlipHelp.h"

HelpTopic SlipWorkbenchTopic() {
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
