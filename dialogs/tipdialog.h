#pragma once

#include "virad/basedialog.h"

#include <QString>

#include <memory>

class QWidget;

namespace NM_Orvane {

namespace Ui {
class TipDialog;
}

// The question dialog: a centred question with "Confirm" and "Cancel".
// exec() returns QDialog::Accepted only through "Confirm".
class TipDialog : public virad::BaseDialog
{
    Q_OBJECT
public:
    explicit TipDialog(QWidget *parent = nullptr);
    ~TipDialog() override;

    void setTipText(const QString &text);

private:
    QWidget *m_contentWidget = nullptr;
    std::unique_ptr<Ui::TipDialog> ui;
};

} // namespace NM_Orvane
