// The Scanner around the flex scanner it chose for its input.
#include "scanner/scanner.h"

#include <unistd.h>

#include "scanner/flex_scanner.h"
#include "translator/tokens.h"

using namespace token;

Scanner::Scanner(std::FILE* input, Output& output, Mode translationMode)
    : mode(translationMode), out(output), in(input ? input : stdin),
      flexScanner_(mode.extendedGrammar || mode.lineByLine || isatty(fileno(in)) ? &all_rules::kFlex
                                                                                : &default_rules::kFlex),
      flex_(flexScanner_->create(*this, in)) {}

Scanner::~Scanner() {
    flexScanner_->destroy(flex_);
}

int Scanner::Next(long stackRoom) {
    if (stackFull_) return STACK_FULL;
    room_ = stackRoom - extra_;
    lexemes = 1;
    int token = flexScanner_->scan(flex_);
    if (token != TEXT) extra_ = 0;  // the value's TEXT entries leave the stack with it
    if (token == 0) {  // no rule matched the end of the input
        text = "";
        leng = 0;
    }
    return token;
}

void Scanner::GiveBackAllBut(int n) {
    flexScanner_->giveBack(flex_, n);
    leng = n;
}

void Scanner::ScanNameNext() {
    flexScanner_->readName(flex_);
}
