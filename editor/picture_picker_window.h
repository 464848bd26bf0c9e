#pragma once
// "Selecione o arquivo": the pictures of the crest folder (or of the national teams' folder),
// a preview of the one chosen, and on "OK" the chosen base name for the current club or for
// the dialog that is adding one.

#include "platform/window/form.h"
#include "platform/window/layout_table.h"

namespace kv {

extern const WindowLayout kform43Layout;

class ListBox;

class Tform43 : public Form {
  public:
    explicit Tform43(bool national);
    void list1SelectItem();
    void BitBtn1Click();  // "OK"
    ListBox& List() { return *list1_; }

  private:
    ListBox* list1_ = nullptr;
    std::string folder_;
};

}  // namespace kv
