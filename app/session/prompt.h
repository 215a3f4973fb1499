// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// How the session tells the user things and asks yes/no questions: the window answers with
// message boxes, tests with a script. Both see every message as the catalogue has it.

#include <deque>
#include <vector>

#include "core/message.h"

namespace sonarel::app {

// The answers to "Save Changes?": its three buttons, and closing it without a choice.
enum class SaveAnswer { SaveOver, SaveAsNew, DontSave, Cancel };

class Prompt {
 public:
  virtual ~Prompt() = default;
  virtual void tell(const core::Message& message) = 0;
  // True for yes.
  virtual bool ask(const core::Message& question) = 0;
  // What to do with changes not saved yet.
  virtual SaveAnswer askSave(const core::Message& question) = 0;
};

// Questions whose Yes erases something: their No is the default answer of a message box.
inline bool defaultsToNo(core::MessageId question) {
  return question == core::MessageId::ConfirmDeleteFile ||
         question == core::MessageId::ConfirmDeleteClient;
}

// A prompt that shows nothing: it keeps every message and question, and answers from a
// script (yes once the script runs out, unless told otherwise; a save question is
// cancelled then).
class ScriptedPrompt : public Prompt {
 public:
  void tell(const core::Message& message) override { shown.push_back(message); }
  bool ask(const core::Message& question) override {
    shown.push_back(question);
    if (answers.empty()) return answerWhenUnscripted;
    const bool answer = answers.front();
    answers.pop_front();
    return answer;
  }

  SaveAnswer askSave(const core::Message& question) override {
    shown.push_back(question);
    if (saveAnswers.empty()) return SaveAnswer::Cancel;
    const SaveAnswer answer = saveAnswers.front();
    saveAnswers.pop_front();
    return answer;
  }

  std::vector<core::Message> shown;  // messages and questions, in order
  std::deque<bool> answers;          // the next questions' answers
  bool answerWhenUnscripted = true;
  std::deque<SaveAnswer> saveAnswers;  // the next save questions' answers; then Cancel
};

}  // namespace sonarel::app
