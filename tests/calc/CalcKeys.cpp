#include "CalcKeys.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

struct Key {
    std::string_view token;
    const char* buttonName;
    std::function<void(Calculator&)> press;
};

std::function<void(Calculator&)> digit(char d) {
    return [d](Calculator& c) { c.pressDigit(d); };
}

std::function<void(Calculator&)> op(CalcOperator o) {
    return [o](Calculator& c) { c.pressOperator(o); };
}

const std::vector<Key>& keys() {
    static const std::vector<Key> table = {
        {"0", "数字0", digit('0')},
        {"1", "数字1", digit('1')},
        {"2", "数字2", digit('2')},
        {"3", "数字3", digit('3')},
        {"4", "数字4", digit('4')},
        {"5", "数字5", digit('5')},
        {"6", "数字6", digit('6')},
        {"7", "数字7", digit('7')},
        {"8", "数字8", digit('8')},
        {"9", "数字9", digit('9')},
        {".", "数字点", [](Calculator& c) { c.pressPoint(); }},
        {"+", "按钮加", op(CalcOperator::Add)},
        {"-", "按钮减", op(CalcOperator::Subtract)},
        {"*", "按钮乘", op(CalcOperator::Multiply)},
        {"/", "按钮除", op(CalcOperator::Divide)},
        {"^", "数字次方", op(CalcOperator::Power)},
        {"=", "按钮等于", [](Calculator& c) { c.pressEquals(); }},
        {"sin", "按钮正弦", [](Calculator& c) { c.pressSine(); }},
        {"cos", "按钮余弦", [](Calculator& c) { c.pressCosine(); }},
        {"+/-", "数字正负", [](Calculator& c) { c.pressSignChange(); }},
        {"C", "按钮删除", [](Calculator& c) { c.pressClear(); }},
    };
    return table;
}

const Key* findKey(std::string_view token) {
    for (const Key& key : keys()) {
        if (key.token == token) {
            return &key;
        }
    }
    return nullptr;
}

} // namespace

std::vector<std::string> keyTokens(std::string_view keys) {
    std::vector<std::string> tokens;
    std::size_t pos = 0;
    while (pos < keys.size()) {
        const std::size_t start = keys.find_first_not_of(' ', pos);
        if (start == std::string_view::npos) {
            break;
        }
        const std::size_t end = std::min(keys.find(' ', start), keys.size());
        tokens.emplace_back(keys.substr(start, end - start));
        pos = end;
    }
    return tokens;
}

void pressKey(Calculator& calculator, std::string_view token) {
    const Key* key = findKey(token);
    if (!key) {
        ADD_FAILURE() << "unknown key \"" << token << "\"";
        return;
    }
    key->press(calculator);
}

void pressKeys(Calculator& calculator, std::string_view keys) {
    for (const std::string& token : keyTokens(keys)) {
        pressKey(calculator, token);
    }
}

const char* buttonNameOf(std::string_view token) {
    const Key* key = findKey(token);
    return key ? key->buttonName : nullptr;
}

std::string repeatedDigit(char digit, int count) {
    std::string keys;
    for (int i = 0; i < count; ++i) {
        keys += ' ';
        keys += digit;
    }
    return keys;
}
