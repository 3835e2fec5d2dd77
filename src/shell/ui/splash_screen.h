#pragma once

#include <QDialog>

class QCheckBox;

namespace zel {

// Zel_Splash: the page shown for two seconds while the program starts.
class SplashScreen : public QDialog
{
    Q_OBJECT
public:
    explicit SplashScreen(const QString &version, QWidget *parent = nullptr);

    // Shows the page centred and waits, letting window events run, until more than two seconds passed.
    void showForTwoSeconds();
    bool hideRequested() const;
    QCheckBox *hideBox() const { return m_hide; }

private:
    QCheckBox *m_hide;
};

} // namespace zel
