#include "summaries/SummaryHelp.h"

HelpTopic SummaryTopic() {
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
