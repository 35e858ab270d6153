#pragma once

#include <functional>
#include <map>
#include <string>
#include <vector>

#include "tuning/list_texts.h"

namespace quorvex {

// A display-free model of a window's controls, with the rules the handlers rely on:
// - option controls of one group exclude each other; selecting one always runs its handler,
//   also when it was selected already; deselecting runs nothing;
// - setting a pick-only list's text runs its handler only when the selected entry changes;
//   a text that is not an entry changes nothing and reports failure;
// - every element is declared up front (options and lists by being added); any element may
//   carry a text, a visible and an enabled flag. Reading or writing an element that was never
//   declared is a programming error and fails loudly: it throws std::out_of_range naming it.
// Widgets render this model and forward clicks to it; every change is announced to observers.
class ControlModel : public ListTexts {
  public:
    using Handler = std::function<void()>;
    using Observer = std::function<void(const std::string& element)>;

    // `selected` is the creation state; it is set without running the handler.
    void addOption(const std::string& name, const std::string& group, const std::string& caption,
                   Handler onChosen = {}, bool selected = false);
    bool hasOption(const std::string& name) const;
    // Selecting deselects the group and runs the handler; false only for an unknown name.
    bool setOption(const std::string& name, bool selected);
    bool option(const std::string& name) const;
    std::string optionGroup(const std::string& name) const;
    std::string optionCaption(const std::string& name) const;
    // The selected control of a group, or empty.
    std::string selectedOption(const std::string& group) const;
    std::vector<std::string> optionsInGroup(const std::string& group) const;

    void addList(const std::string& name, std::vector<std::string> entries, Handler onChanged = {});
    bool hasList(const std::string& name) const;
    // False (nothing changed, no handler) when the text is not one of the entries.
    bool setListText(const std::string& name, const std::string& text);
    std::string listText(const std::string& name) const override;
    // Index of the selected entry, -1 when none.
    int listIndex(const std::string& name) const;
    const std::vector<std::string>& listEntries(const std::string& name) const;

    // Declares an element (a label, picture, page, text box, button...) with its creation state.
    void addElement(const std::string& name);
    bool hasElement(const std::string& name) const;

    void setText(const std::string& element, const std::string& text);
    std::string text(const std::string& element) const;
    void setVisible(const std::string& element, bool visible);
    bool visible(const std::string& element, bool fallback = true) const;
    void setEnabled(const std::string& element, bool enabled);
    bool enabled(const std::string& element, bool fallback = true) const;

    // Returns a token for unsubscribe.
    int subscribe(Observer observer);
    void unsubscribe(int token);

  private:
    struct Option {
        std::string group;
        std::string caption;
        bool selected = false;
        Handler onChosen;
    };
    struct List {
        std::vector<std::string> entries;
        int selected = -1;
        Handler onChanged;
    };
    struct Element {
        std::string text;
        int visible = -1;  // -1: never set
        int enabled = -1;
    };

    void notify(const std::string& element);
    Element& known(const std::string& element);
    const Element* find(const std::string& element) const;

    std::map<std::string, Option> options_;
    std::map<std::string, std::vector<std::string>> groups_;
    std::map<std::string, List> lists_;
    std::map<std::string, Element> elements_;
    std::map<int, Observer> observers_;
    int nextToken_ = 1;
};

}  // namespace quorvex
