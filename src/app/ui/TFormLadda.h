#pragma once

#include <QWidget>

class QLabel;

// The loading window shown while the windows are created: product, version and the editions
// of the national food tables the registers hold.
class TFormLadda : public QWidget {
    Q_OBJECT
public:
    explicit TFormLadda(QWidget *parent = nullptr);
    QLabel *LabelProdukt = nullptr;
    QLabel *LabelVersion = nullptr;
    QLabel *LabelTabeller = nullptr;
};
