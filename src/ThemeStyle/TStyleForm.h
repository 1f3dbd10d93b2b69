#pragma once

#include <QWidget>

class TfcImageForm;
class TLabel;
class TfcOutlookBar;
class TfcShapeBtn;
class TfcOutlookPanel;

// The theme selector: a narrow borderless window with one picture button per symbol theme
// in an outlook bar. Exactly one button is selected; the game asks which at every pull.
// Created hidden; the main window's toggle docks and shows it, its "X" hides it.
class TStyleForm : public QWidget {
    Q_OBJECT
public:
    explicit TStyleForm(QWidget *parent = nullptr);
    ~TStyleForm() override;

    // Components, in layout order.
    TfcImageForm *fcImageForm1;
    TLabel *Label2;
    TfcOutlookBar *ThemeStyleFace;
    TfcShapeBtn *Fruit;
    TfcShapeBtn *Numbers;
    TfcShapeBtn *Computers;
    TfcShapeBtn *Animals;
    TfcShapeBtn *Politicians;
    TfcShapeBtn *Skulls;
    TfcShapeBtn *Rocks;
    TfcOutlookPanel *OutlookPanel1;
    TfcOutlookPanel *OutlookPanel2;
    TfcOutlookPanel *OutlookPanel3;
    TfcOutlookPanel *OutlookPanel4;
    TfcOutlookPanel *OutlookPanel5;
    TfcOutlookPanel *OutlookPanel6;
    TfcOutlookPanel *OutlookPanel7;

    // The component of this window with the given name (null: none).
    QObject *FindComponent(const QString &name) const;
    // The theme query: whether the theme button of that name is the selected one.
    bool isThemeSelected(const QString &buttonName) const;

    // Handlers.
    void Label2Click(QObject *Sender);

private:
    void createComponents();
    void wireHandlers();
};
