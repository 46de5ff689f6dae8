#pragma once

#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCharFormat>

namespace vimla::shell {

class LineNumberGutter;
class PauseChecker;

// The text box of the document window: a plain text box that also shows the HTML in colours,
// numbers its lines and marks markup mistakes with a Swedish hint. None of this touches the
// text, the undo history or the change flag: colours and marks are added to what is drawn.
class HtmlTextBox : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit HtmlTextBox(QWidget* parent = nullptr);
    ~HtmlTextBox() override;

    // With VIMLA_PLAIN_EDITOR=1 in the environment the box is a bare QPlainTextEdit, so the
    // benchmarks can compare both in one build.
    static bool plainRequested();

    // Makes the line numbers wide enough for a text about to be written, while widening them
    // is still cheap: widening relays out every line already there.
    enum class Incoming { ReplacesAll, AddsToText };
    void expectText(QStringView incoming, Incoming how);

    // The hint sentences of the mistakes marked at the given position of the text, or of those
    // that begin in the given block; empty when there are none.
    QStringList hintSentencesAt(int position) const;
    QStringList hintSentencesIn(const QTextBlock& block) const;

    bool hasHintsIn(const QTextBlock& block) const;
    // Shows the sentences at `where` in `widget`, or hides the tip when there are none.
    static void showHintTip(const QPoint& where, const QStringList& sentences, QWidget* widget);

    // The mistakes' colour, shared by the underline and the mark beside the line number.
    static QColor mistakeColour();

    int gutterWidth() const;
    struct ShownLine {
        QTextBlock block;
        qreal top;
        qreal height;
    };
    // The lines shown from the top of the text box down to `bottom`, in its coordinates.
    QList<ShownLine> shownLines(int bottom) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool viewportEvent(QEvent* event) override;
    void insertFromMimeData(const QMimeData* source) override;

private:
    // Where the colouring state at the top of the shown lines came from.
    struct Chain {
        enum Origin { Known, Guessed, NewGuess } origin = Known;
        int firstLine = 0; // of a new guess
    };
    int stateAtStartOf(const QTextBlock& block, Chain& chain);
    bool stateCanBeTrusted(int line) const;
    int colourBlock(QTextBlock block, int state);
    void colourShownBlocks();
    void contentsChange(int position);
    void fitGutterTo(int lines);

    LineNumberGutter* m_gutter = nullptr;
    PauseChecker* m_checker = nullptr;
    // The colouring state at the end of each block is kept in the block's user state; it can be
    // trusted for the blocks above this one, and for those in the range whose chain of states
    // began with a guess.
    int m_statesKnownBefore = 0;
    int m_guessedFrom = 0;
    int m_guessedBefore = 0;
    int m_gutterWidth = 0;
    int m_gutterLines = 1;
    QTextCharFormat m_partFormats[5];
    QTextCharFormat m_mistakeFormat;
};

} // namespace vimla::shell
