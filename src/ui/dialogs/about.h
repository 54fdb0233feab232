#pragma once
// The About box: product name, version, notice line and two links to the
// maker's pages that open in the default browser. OK closes it.

#include <QDialog>

class TShell;

// The contact page beside the maker's home page.
QString MakerContactAddress();

class TformAbout : public QDialog {
    Q_OBJECT
public:
    explicit TformAbout(TShell& shell, QWidget* parent = nullptr);
};
