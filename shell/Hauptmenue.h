#pragma once

#include <QIcon>
#include <string>

#include "platform/Dialog.h"

class QComboBox;

// The main menu: a tense and a range of lessons ("von" ... "bis"), then
// "&OK" starts the quiz and "&Beenden" ends the program. Whenever the "von"
// choice changes, the "bis" list offers that lesson and the later ones only.
class Hauptmenue : public Dialog {
public:
    enum ControlId {
        TenseList = 1002,
        FromList = 1003,
        ToList = 1004,
        OkButton = 1005,
        QuitButton = 1006,
    };

    explicit Hauptmenue(QWidget* parent = nullptr);

    // The choices as last exchanged with the lists.
    const std::string& TenseLabel() const { return TenseLabel_; }
    const std::string& FromLesson() const { return FromLesson_; }
    const std::string& ToLesson() const { return ToLesson_; }

    void RunQuiz();            // shell/RunQuiz.cpp
    void QuitProgram();
    void FromLessonChanged();

protected:
    void BuildMessageMap(MessageMap& map) override;
    void DoDataExchange(DataExchange& dx) override;
    bool OnInitDialog() override;
    void OnDestroy() override;

private:
    QIcon AppIcon_;
    std::string TenseLabel_ = "présent";
    std::string FromLesson_ = "Leçon 1";
    std::string ToLesson_ = "Leçon 1";
    QComboBox* ToLessonList_ = nullptr;
};
