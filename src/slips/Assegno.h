#pragma once
// The amount of a payment slip written in Italian words, as one unbroken word:
// 21 becomes VENTUNO, 1,001,000 becomes UNMILIONEMILLE.

#include "common/Currency.h"

#include <QObject>
#include <QString>

class Assegno : public QObject {
    Q_OBJECT

public:
    explicit Assegno(QObject* parent = nullptr);

    // The amount to put into words, in euros. Nothing else happens.
    void setImporto(Currency amount);
    // Euros as a number, rounded to the ten-thousandth (Currency::fromDouble).
    void setImporto(double euros) { setImporto(Currency::fromDouble(euros)); }

    // True: words in capitals; false (the default): lower case.
    void setMaiuscolo(bool capitals);

    // The words of the whole euros of the amount. The read consumes the amount:
    // afterwards only the fraction below one euro is left, so a second read
    // without a new amount gives the empty text. A negative amount gives the
    // empty text and stays as it is. Bluff is raised, inside the read, when
    // the amount reaches 1,000,000,000. An amount of 1,000,000,000,000 or more
    // has no words: Bluff is raised, the text is empty and the fraction is left.
    // The read works on the amount it started with: a new amount written by a
    // Bluff handler is replaced by what is left when the read ends.
    QString Parola();

signals:
    void Bluff(Currency amount);

protected:
    // What is left of the amount; the slip form never reads it back.
    Currency importo() const { return m_importo; }

private:
    Currency m_importo;
    bool m_maiuscolo = false;
};
