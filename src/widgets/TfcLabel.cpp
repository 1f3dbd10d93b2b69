#include "widgets/TfcLabel.h"

TfcLabel::TfcLabel(QWidget *parent)
    : TLabel(parent)
{
    setTransparent(true);
}
