// The commands on the document: each one and its undo leave the records and
// the selection exactly as before, in any order, and typing merges.
#include <QtTest/QtTest>
#include <random>

#include "model/itemtree.h"
#include "ui/document/editcommands.h"
#include "ui/document/editordocument.h"
#include "ui/document/undomacro.h"

namespace {

struct TSnapshot {
    TMenuDocument document;
    int selection;
    bool operator==(const TSnapshot& o) const { return document == o.document && selection == o.selection; }
};

TItemData Item(const std::string& caption, int level)
{
    TItemData item = NewDefaultItem();
    item[ICaption] = caption;
    item[pLevel] = std::to_string(level);
    return item;
}

// A menu of `n` items in a shape with depth, every item named.
TMenuDocument Menu(int n)
{
    TMenuDocument document;
    std::mt19937 random(7);
    int previous = -1;
    for (int k = 0; k < n; ++k) {
        const int level = static_cast<int>(random() % static_cast<unsigned>(std::min(previous + 2, 4)));
        document.items.push_back(Item("item " + std::to_string(k), level));
        previous = level;
    }
    return document;
}

}  // namespace

class TestEditCommands : public QObject {
    Q_OBJECT
private slots:
    void randomSequencesUndoAndRedoExactly()
    {
        TvarnAppletAgent agent;
        TEditorDocument document(agent);
        document.Replace(Menu(60));
        QUndoStack& stack = document.UndoStack();
        std::mt19937 random(2026);
        std::vector<TSnapshot> states{{document.Document(), document.Selection()}};
        int made = 0;
        while (made < 200) {
            const int n = document.ItemCount();
            const int choice = static_cast<int>(random() % 7);
            if (choice == 5 && stack.canUndo()) {
                stack.undo();
                states.pop_back();
                QVERIFY((TSnapshot{document.Document(), document.Selection()} == states.back()));
                continue;
            }
            if (choice == 6 && stack.canRedo())
                continue;  // redo is checked below, after the whole run
            const int k = n ? static_cast<int>(random() % static_cast<unsigned>(n)) : 0;
            const int stepsBefore = stack.index();
            document.SetSelection(n ? k : kAppletTarget);
            states.back().selection = document.Selection();
            switch (choice) {
            case 0:
                stack.push(new TInsertItemsCommand(document, n ? SubtreeEnd(document.Items(), k) : 0,
                                                   {Item("new " + std::to_string(made), n ? ItemLevel(document.Items(), k) : 0)},
                                                   "Insert"));
                break;
            case 1:
                if (!n)
                    continue;
                stack.push(new TRemoveItemsCommand(document, k, SubtreeEnd(document.Items(), k) - k,
                                                   ParentIndex(document.Items(), k), "Delete"));
                break;
            case 2: {
                if (!n || PreviousSiblingIndex(document.Items(), k) < 0)
                    continue;
                const int previous = PreviousSiblingIndex(document.Items(), k);
                stack.push(new TMoveItemsCommand(document, k, SubtreeEnd(document.Items(), k) - k, previous,
                                                 ItemLevel(document.Items(), k), "Move Up"));
                break;
            }
            case 3:
                document.SetSelection(kAppletTarget);
                states.back().selection = kAppletTarget;
                stack.push(new TSetFieldCommand(document, kAppletTarget, pDragBar_Title, "title " + std::to_string(made),
                                                "Title"));
                break;
            default:
                if (!n)
                    continue;
                stack.push(new TSetFieldCommand(document, k, pURL, "u" + std::to_string(made) + "\xC3\xA9", "Link"));
                break;
            }
            ++made;
            // An edit of the field edited just before merges into its step.
            if (stack.index() == stepsBefore)
                states.pop_back();
            states.push_back({document.Document(), document.Selection()});
        }
        // All the way back, then all the way forward again.
        std::vector<TSnapshot> forward;
        while (stack.canUndo()) {
            forward.push_back({document.Document(), document.Selection()});
            stack.undo();
        }
        QCOMPARE(document.Document().items, Menu(60).items);
        while (stack.canRedo()) {
            stack.redo();
            // Redo selects what the command shows; the records must match exactly.
            QVERIFY(document.Document() == forward.back().document);
            forward.pop_back();
        }
    }

    void typingInOneBoxIsOneStep()
    {
        TvarnAppletAgent agent;
        TEditorDocument document(agent);
        document.Replace(Menu(3));
        QUndoStack& stack = document.UndoStack();
        stack.setClean();
        for (const char* text : {"H", "He", "Hel", "Hello"})
            stack.push(new TSetFieldCommand(document, 1, ICaption, text, "Caption"));
        QCOMPARE(stack.count(), 1);
        QCOMPARE(document.Items()[1][ICaption], std::string("Hello"));
        stack.push(new TSetFieldCommand(document, 2, ICaption, "Other", "Caption"));
        QCOMPARE(stack.count(), 2);
        stack.undo();
        stack.undo();
        QCOMPARE(document.Items()[1][ICaption], std::string("item 1"));
        QVERIFY(stack.isClean());

        // Typing back to where it began leaves nothing to undo or save.
        stack.push(new TSetFieldCommand(document, 1, ICaption, "item 1x", "Caption"));
        stack.push(new TSetFieldCommand(document, 1, ICaption, "item 1", "Caption"));
        QVERIFY(stack.isClean());
    }

    // Typing merges only within one run: a new run, a moved selection or a
    // committed edit starts a step of its own.
    void typingRunsEndWhereTheyShould()
    {
        TvarnAppletAgent agent;
        TEditorDocument document(agent);
        document.Replace(Menu(3));
        QUndoStack& stack = document.UndoStack();
        auto type = [&](const char* text) { stack.push(new TSetFieldCommand(document, 1, ICaption, text, "Caption")); };
        type("a");
        type("ab");
        document.SetSelection(document.Selection());  // the same selection: the run goes on
        type("abc");
        QCOMPARE(stack.count(), 1);
        document.EndTypingRun();
        type("abcd");
        QCOMPARE(stack.count(), 2);
        document.SetSelection(2);
        document.SetSelection(1);
        type("abcde");
        QCOMPARE(stack.count(), 3);
        stack.push(new TSetFieldCommand(document, 1, ICaption, "F2", "Rename", TSetFieldCommand::Kind::Committed));
        type("F2x");
        QCOMPARE(stack.count(), 5);
        for (const char* expected : {"F2", "abcde", "abcd", "abc", "item 1"}) {
            stack.undo();
            QCOMPARE(document.Items()[1][ICaption], std::string(expected));
        }
    }

    // A group of edits is one step, opened by its first edit and closed with
    // the guard; a group that changes nothing leaves no step.
    void anUndoMacroIsOneStepAndAlwaysCloses()
    {
        TvarnAppletAgent agent;
        TEditorDocument document(agent);
        document.Replace(Menu(3));
        QUndoStack& stack = document.UndoStack();
        { TUndoMacro group(stack, "Nothing"); }
        QCOMPARE(stack.count(), 0);
        {
            TUndoMacro group(stack, "Suggested Color");
            group.Push(new TSetFieldCommand(document, 0, pURL, "a", "URL"));
            group.Push(new TSetFieldCommand(document, 1, pURL, "b", "URL"));
        }
        stack.push(new TSetFieldCommand(document, 2, pURL, "c", "URL"));
        QCOMPARE(stack.count(), 2);
        QCOMPARE(stack.text(0), QString("Suggested Color"));
        stack.undo();
        stack.undo();
        QCOMPARE(document.Items()[0][pURL], Menu(3).items[0][pURL]);
        QCOMPARE(document.Items()[1][pURL], Menu(3).items[1][pURL]);
    }

    void undoingADeleteOfAThousandItemsRestoresThemAndTheSelection()
    {
        TvarnAppletAgent agent;
        TEditorDocument document(agent);
        TMenuDocument big;
        for (int k = 0; k < 10000; ++k)
            big.items.push_back(Item(std::to_string(k), k % 1000 == 0 ? 0 : 1));
        document.Replace(big);
        document.SetSelection(3000);
        document.UndoStack().push(new TRemoveItemsCommand(document, 3000, 1000, 2000, "Delete"));
        QCOMPARE(document.ItemCount(), 9000);
        QCOMPARE(document.Selection(), 2000);
        document.UndoStack().undo();
        QCOMPARE(document.Items(), big.items);
        QCOMPARE(document.Selection(), 3000);
    }

    void aTextWindows1252CannotHoldMakesTheDocumentUtf8()
    {
        TvarnAppletAgent agent;
        TEditorDocument document(agent);
        TMenuDocument legacy = Menu(2);
        legacy.encoding = TTextEncoding::Windows1252;
        document.Replace(legacy);
        QSignalSpy spy(&document, &TEditorDocument::encodingChanged);
        document.UndoStack().push(new TSetFieldCommand(document, 0, ICaption, "Caf\xC3\xA9", "Caption"));
        QCOMPARE(spy.count(), 0);
        document.UndoStack().push(new TSetFieldCommand(document, 0, ICaption, "\xE6\x97\xA5", "Caption"));
        QCOMPARE(spy.count(), 1);
        document.UndoStack().undo();
        QCOMPARE(document.Document().encoding, TTextEncoding::Utf8);  // from then on
    }
};

QTEST_MAIN(TestEditCommands)
#include "tst_editcommands.moc"
