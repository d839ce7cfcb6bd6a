// The page "Schedule": timed scans on or off, automatic cleaning, the free-space condition and
// the five schedule rows (every N minutes, hours, days, weeks or months).
#pragma once

#include <QWidget>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QTimeEdit;

namespace korvane {

class NumberField;
class UpDown;

class SchedulePage : public QWidget {
    Q_OBJECT

public:
    /// The schedule kinds, as the group's button ids and the settings file stores them.
    enum Kind { NoKind = 0, Minutes = 1, Hours = 2, Days = 3, Weeks = 4, Months = 5 };

    explicit SchedulePage(QWidget* parent = nullptr);

    QCheckBox* cbSchedule() const { return cbSchedule_; }
    QCheckBox* chkClean() const { return chkClean_; }
    QCheckBox* cbOnlyScan() const { return cbOnlyScan_; }
    QLineEdit* meMegs() const;
    UpDown* UpDown2() const;
    QLabel* Label4() const { return label4_; }
    QGroupBox* gbSchedOpts() const { return gbSchedOpts_; }

    QRadioButton* optMinutes() const { return kindButton(Minutes); }
    QRadioButton* optHours() const { return kindButton(Hours); }
    QRadioButton* optDays() const { return kindButton(Days); }
    QRadioButton* optWeeks() const { return kindButton(Weeks); }
    QRadioButton* optMonths() const { return kindButton(Months); }
    /// The five schedule buttons, with the ids of Kind.
    QButtonGroup* scheduleGroup() const { return scheduleGroup_; }

    QLineEdit* meMins() const;
    UpDown* udMinutes() const;
    QLineEdit* meHours() const;
    UpDown* udHours() const;
    QLineEdit* meMinsAfter() const;
    UpDown* udMinsAfter() const;
    QLineEdit* meDays() const;
    UpDown* udDays() const;
    QLineEdit* meWeeks() const;
    UpDown* udWeeks() const;
    QLineEdit* meMonths() const;
    UpDown* udMonths() const;
    QLineEdit* meDayOfTheMonth() const;
    UpDown* udDayofthemonth() const;
    /// The time of day of the daily schedule, in the locale's short time format.
    QTimeEdit* dt1() const { return dt1_; }
    /// The weekday of the weekly schedule: "Sunday" to "Saturday".
    QComboBox* cbDays() const { return cbDays_; }

    /// The selected schedule kind, NoKind when none is selected.
    Kind kind() const;
    /// Selects the kind 1 to 5; any other value selects none.
    void selectKind(int kind);
    /// Puts every control of the page back to its design value.
    void applyDesignValues();

private:
    QRadioButton* kindButton(Kind kind) const;
    QWidget* buildScheduleRows();

    QCheckBox* cbSchedule_;
    QCheckBox* chkClean_;
    QCheckBox* cbOnlyScan_;
    NumberField* megs_;
    QLabel* label4_;
    QGroupBox* gbSchedOpts_;
    QButtonGroup* scheduleGroup_;
    NumberField* minutes_;
    NumberField* hours_;
    NumberField* minsAfter_;
    NumberField* days_;
    NumberField* weeks_;
    NumberField* months_;
    NumberField* dayOfTheMonth_;
    QTimeEdit* dt1_;
    QComboBox* cbDays_;
};

}  // namespace korvane
