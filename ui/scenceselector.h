#pragma once

#include "catalogue/devicerecords.h"

#include <QMap>
#include <QPushButton>
#include <QString>
#include <QVector>
#include <QWidget>

#include <memory>

class QResizeEvent;

namespace Ui {
class ScenceSelector;
}

// Lets the user pick the scene whose recommended bitrate a variable-rate
// group uses: one button per scene in a narrow list, the current scene's
// picture beside it. Only the selected button is checkable, so exactly one
// button shows the checked state.
class ScenceSelector : public QWidget
{
    Q_OBJECT
public:
    class ScenceQRaidoButton;

    explicit ScenceSelector(QWidget *parent = nullptr);
    ~ScenceSelector() override;

    // Shows the picture at path scaled to the picture area, or the failure
    // text when there is no such file.
    void setScencePicture(const QString &path);

signals:
    void signalScenceChanged(int scenceType);

public slots:
    void setScenceData(QVector<SCENCE_ITEM> scenceData);
    void addScenceItem(SCENCE_ITEM scenceItem);
    void OnScenceSelected(int sceneType);

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void repolish(QWidget *widget);

    std::unique_ptr<Ui::ScenceSelector> ui;
    QMap<int, ScenceQRaidoButton *> m_mapScenceButtons;
    QString m_strPicturePath;
};

// The button of one scene; its text is the scene name.
class ScenceSelector::ScenceQRaidoButton : public QPushButton
{
    Q_OBJECT
public:
    ScenceQRaidoButton(QWidget *parent, int scenceType, const QString &text);

signals:
    void signalScenceButtonClick(int scenceType);

private slots:
    void OnScenceButtonClicked();

private:
    int m_iScenceType;
};
