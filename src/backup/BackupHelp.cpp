#include "backup/BackupHelp.h"

HelpTopic BackupTopic() {
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
