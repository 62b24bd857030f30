#pragma once
// What a screen reader reads as the worksheet editor's description: the things the editor only
// paints, the argument being typed (from the argument tip) and the value of the line after a
// pause. Each change is told to the reader once; the same text again tells nothing.
#include <QString>
#include <array>

class QWidget;

namespace numora {

class EditorDescription {
public:
    enum class Part { Argument, Preview };

    explicit EditorDescription(QWidget& editor) : editor_(editor) {}

    // An empty text takes the part away.
    void Set(Part part, const QString& text);
    QString Text() const;

private:
    QWidget& editor_;
    std::array<QString, 2> parts_;
};

}  // namespace numora
