#include "Commands.h"

#include "store/SerialDate.h"

namespace kartavel::cli {

int dateOption(Cli& cli, const Arguments& args, std::string_view name,
               std::optional<std::int32_t>& date) {
    const std::string* d = args.option(name);
    if (!d)
        return kDone;
    date.reset();
    if (d->empty())
        return kDone;
    date = store::parseIsoDate(*d);
    if (!date)
        return cli.fail(kUsage, std::string(name) + " YYYY-AA-GG biçiminde bir gün olmalı: " + *d);
    return kDone;
}

int choiceOption(Cli& cli, const Arguments& args, std::string_view name,
                 std::initializer_list<std::string_view> choices, int& index) {
    const std::string* v = args.option(name);
    if (!v)
        return kDone;
    std::string names;
    int i = 0;
    for (std::string_view c : choices) {
        if (c == *v) {
            index = i;
            return kDone;
        }
        names += (i == 0 ? "" : i + 1 == static_cast<int>(choices.size()) ? " ya da " : ", ");
        names += c;
        ++i;
    }
    return cli.fail(kUsage, std::string(name) + " " + names + " olmalı: " + *v);
}

} // namespace kartavel::cli
