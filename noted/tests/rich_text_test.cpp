// SPDX-License-Identifier: GPL-3.0-or-later
#include "noted/rich_text.h"

#include <gtest/gtest.h>

#include <QTest>
#include <QTextBlock>
#include <QTextCursor>

#include "core/tests/wave_fixtures.h"
#include "noted/notes_window.h"
#include "records/notes_preview.h"

namespace sonarel::noted {
namespace {

// Two paragraphs, the first with a bold and an italic run and accented letters.
void writeSample(QTextDocument& document) {
  QTextCursor cursor(&document);
  QTextCharFormat plain, bold, italic;
  bold.setFontWeight(QFont::Bold);
  italic.setFontItalic(true);
  cursor.insertText("Voz ", plain);
  cursor.insertText("áspera", bold);
  cursor.insertText(" e ", plain);
  cursor.insertText("cansaço {x}\\", italic);
  cursor.insertBlock();
  cursor.insertText("Segunda: ñandú, 목소리, ü", plain);
}

TEST(RichText, RoundTripsParagraphsBoldItalicAndEveryLetter) {
  QTextDocument written;
  writeSample(written);
  const QByteArray rtf = toRtf(written);
  EXPECT_TRUE(rtf.startsWith("{\\rtf1"));
  EXPECT_NE(rtf.indexOf("\\'e1spera"), -1) << rtf.toStdString();  // Windows-1252 escapes
  QTextDocument read;
  fromRtf(rtf, read);
  ASSERT_EQ(read.blockCount(), 2);
  EXPECT_EQ(read.firstBlock().text(), "Voz áspera e cansaço {x}\\");
  EXPECT_EQ(read.lastBlock().text(), QString::fromUtf8("Segunda: ñandú, 목소리, ü"));
  int boldRuns = 0, italicRuns = 0;
  for (auto it = read.firstBlock().begin(); !it.atEnd(); ++it) {
    const QTextCharFormat format = it.fragment().charFormat();
    if (format.fontWeight() >= QFont::Bold) {
      ++boldRuns;
      EXPECT_EQ(it.fragment().text(), "áspera");
    }
    if (format.fontItalic()) {
      ++italicRuns;
      EXPECT_EQ(it.fragment().text(), "cansaço {x}\\");
    }
  }
  EXPECT_EQ(boldRuns, 1);
  EXPECT_EQ(italicRuns, 1);
  EXPECT_EQ(toRtf(read), rtf) << "stable when saved again";
}

TEST(RichText, TheFileListPreviewReadsWhatTheEditorWrites) {
  QTextDocument document;
  writeSample(document);
  EXPECT_EQ(records::notesPreview(toRtf(document).toStdString()), "Voz áspera e cansaço {x}\\\n");
}

TEST(RichText, ReadsOtherWritersHeadersAndPlainText) {
  QTextDocument read;
  fromRtf(
      "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red0\\green0\\blue0;}"
      "{\\*\\generator Some Writer;}\\viewkind4\\uc1\\pard\\f0\\fs20 Ol\\'e1 "
      "{\\b negrito}\\b0  fim\\par\n}",
      read);
  EXPECT_EQ(read.toPlainText(), "Olá negrito fim");
  fromRtf("just text", read);
  EXPECT_EQ(read.toPlainText(), "just text");
}

TEST(NotesWindow, OpensSavesAndIsTitledNotes) {
  testing::ScratchDir dir;
  const QString path = QString::fromStdString(dir.file("an001.rtf"));
  {
    NotesWindow window(path);
    EXPECT_EQ(window.windowTitle(), "Notes");
    EXPECT_TRUE(window.editor()->toPlainText().isEmpty()) << "a missing document starts empty";
    EXPECT_FALSE(QFile::exists(path)) << "nothing written until saved";
    writeSample(*window.editor()->document());
    ASSERT_TRUE(window.save());
  }
  NotesWindow again(path);
  EXPECT_EQ(again.editor()->document()->blockCount(), 2);
  EXPECT_TRUE(again.editor()->toPlainText().startsWith("Voz áspera"));
  EXPECT_FALSE(again.editor()->document()->isModified());
}

}  // namespace
}  // namespace sonarel::noted
