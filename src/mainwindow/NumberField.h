// A number field with its up-down spinner: the field (digits only, blanks padding on the left)
// holds the number that is read and saved; the spinner at its right only sets it.
#pragma once

#include <QWidget>

#include "mainwindow/UpDown.h"

class QLineEdit;

namespace korvane {

class NumberField : public QWidget {
    Q_OBJECT

public:
    /// `fieldName` and `spinnerName` become the object names of the field and the spinner;
    /// `designText` is the field's text in the design.
    NumberField(const QString& fieldName, const QString& spinnerName, const UpDownDesign& design,
                const QString& designText, QWidget* parent = nullptr);

    QLineEdit* field() const { return field_; }
    UpDown* spinner() const { return spinner_; }

    QString text() const;
    void setText(const QString& text);
    /// Puts the field's text and the spinner's position back to the design.
    void applyDesignValues();

signals:
    /// A mouse button was released over the field.
    void fieldMouseReleased();
    /// The keyboard focus left the field.
    void fieldExited();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* field_;
    UpDown* spinner_;
    QString designText_;
};

}  // namespace korvane
