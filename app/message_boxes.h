#pragma once

#include "engine/message_sink.h"

class QString;

namespace vorlant {

// The text in the language the program speaks: the wording translated, then the values put in;
// each of its lines the same way below it.
QString TranslatedText(const UserText &text);

// Shows messages and errors as modal message boxes captioned with the application's title,
// over whichever window is active, in the language the program speaks.
class MessageBoxes : public MessageSink
{
public:
    void Message(const UserText &text) override;
    void Error(const UserText &text) override;
};

} // namespace vorlant
