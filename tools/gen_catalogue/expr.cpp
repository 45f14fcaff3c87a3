#include "expr.h"

#include <cctype>
#include <cmath>
#include <vector>

namespace gencat {

struct Expr::Node {
    enum Kind { Number, Variable, Negate, Binary, Call } kind = Number;
    double value = 0;
    std::string name; // variable or function name
    char op = 0;      // binary operator
    std::vector<std::shared_ptr<const Node>> args;
};

namespace {

using NodePtr = std::shared_ptr<const Expr::Node>;

// Recursive descent: expr = term {(+|-) term}; term = unary {(*|/) unary};
// unary = [-|+] power; power = primary [^ unary].
class Parser {
  public:
    explicit Parser(std::string_view text) : s_(text) {}

    NodePtr ParseAll() {
        NodePtr n = ParseSum();
        SkipBlanks();
        if (pos_ != s_.size())
            Fail("unexpected '" + std::string(1, s_[pos_]) + "'");
        return n;
    }

  private:
    [[noreturn]] void Fail(const std::string& what) const {
        throw ExprError("in expression \"" + std::string(s_) + "\": " + what);
    }
    void SkipBlanks() {
        while (pos_ < s_.size() && (s_[pos_] == ' ' || s_[pos_] == '\t'))
            ++pos_;
    }
    bool Accept(char c) {
        SkipBlanks();
        if (pos_ < s_.size() && s_[pos_] == c) {
            ++pos_;
            return true;
        }
        return false;
    }
    static NodePtr MakeBinary(char op, NodePtr a, NodePtr b) {
        auto n = std::make_shared<Expr::Node>();
        n->kind = Expr::Node::Binary;
        n->op = op;
        n->args = {std::move(a), std::move(b)};
        return n;
    }
    NodePtr ParseSum() {
        NodePtr left = ParseTerm();
        for (;;) {
            if (Accept('+'))
                left = MakeBinary('+', left, ParseTerm());
            else if (Accept('-'))
                left = MakeBinary('-', left, ParseTerm());
            else
                return left;
        }
    }
    NodePtr ParseTerm() {
        NodePtr left = ParseUnary();
        for (;;) {
            if (Accept('*'))
                left = MakeBinary('*', left, ParseUnary());
            else if (Accept('/'))
                left = MakeBinary('/', left, ParseUnary());
            else
                return left;
        }
    }
    NodePtr ParseUnary() {
        if (++depth_ > 200)
            Fail("nested too deeply");
        NodePtr result;
        if (Accept('-')) {
            auto n = std::make_shared<Expr::Node>();
            n->kind = Expr::Node::Negate;
            n->args = {ParseUnary()};
            result = n;
        } else if (Accept('+')) {
            result = ParseUnary();
        } else {
            result = ParsePower();
        }
        --depth_;
        return result;
    }
    NodePtr ParsePower() {
        NodePtr base = ParsePrimary();
        if (Accept('^'))
            return MakeBinary('^', base, ParseUnary());
        return base;
    }
    NodePtr ParsePrimary() {
        SkipBlanks();
        if (pos_ >= s_.size())
            Fail("value missing at the end");
        char c = s_[pos_];
        if (c == '(') {
            ++pos_;
            NodePtr inner = ParseSum();
            if (!Accept(')'))
                Fail("')' missing");
            return inner;
        }
        if (std::isdigit(static_cast<unsigned char>(c)) || c == '.')
            return ParseNumber();
        if (std::isalpha(static_cast<unsigned char>(c)) || c == '_') {
            std::size_t start = pos_;
            while (pos_ < s_.size() &&
                   (std::isalnum(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '_'))
                ++pos_;
            std::string name(s_.substr(start, pos_ - start));
            auto n = std::make_shared<Expr::Node>();
            n->name = name;
            if (Accept('(')) {
                n->kind = Expr::Node::Call;
                if (!Accept(')')) {
                    do
                        n->args.push_back(ParseSum());
                    while (Accept(','));
                    if (!Accept(')'))
                        Fail("')' missing after the arguments of " + name);
                }
                CheckCall(*n);
            } else {
                n->kind = Expr::Node::Variable;
            }
            return n;
        }
        Fail("unexpected '" + std::string(1, c) + "'");
    }
    NodePtr ParseNumber() {
        std::size_t start = pos_;
        while (pos_ < s_.size() &&
               (std::isdigit(static_cast<unsigned char>(s_[pos_])) || s_[pos_] == '.'))
            ++pos_;
        if (pos_ < s_.size() && (s_[pos_] == 'e' || s_[pos_] == 'E')) {
            std::size_t save = pos_++;
            if (pos_ < s_.size() && (s_[pos_] == '+' || s_[pos_] == '-'))
                ++pos_;
            if (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_]))) {
                while (pos_ < s_.size() && std::isdigit(static_cast<unsigned char>(s_[pos_])))
                    ++pos_;
            } else {
                pos_ = save; // "2e" is a number followed by something else
            }
        }
        std::string text(s_.substr(start, pos_ - start));
        std::size_t used = 0;
        double v = 0;
        try {
            v = std::stod(text, &used);
        } catch (const std::exception&) {
            Fail("bad number \"" + text + "\"");
        }
        if (used != text.size())
            Fail("bad number \"" + text + "\"");
        auto n = std::make_shared<Expr::Node>();
        n->kind = Expr::Node::Number;
        n->value = v;
        return n;
    }
    void CheckCall(const Expr::Node& n) {
        struct Fn {
            const char* name;
            std::size_t minArgs, maxArgs;
        };
        static const Fn fns[] = {{"round", 1, 2}, {"ceil", 1, 2}, {"floor", 1, 2}, {"min", 1, 99},
                                 {"max", 1, 99},  {"sqrt", 1, 1}, {"ln", 1, 1},    {"log10", 1, 1},
                                 {"log2", 1, 1},  {"abs", 1, 1}};
        for (const Fn& f : fns)
            if (n.name == f.name) {
                if (n.args.size() < f.minArgs || n.args.size() > f.maxArgs)
                    Fail("wrong number of arguments for " + n.name);
                return;
            }
        Fail("unknown function " + n.name);
    }

    std::string_view s_;
    std::size_t pos_ = 0;
    int depth_ = 0;
};

double Rounded(double v, double step, double (*fn)(double)) {
    if (!(step > 0))
        throw ExprError("rounding step must be positive");
    return fn(v / step) * step;
}

double Evaluate(const Expr::Node& n, const Variables& vars, const std::string& text) {
    auto arg = [&](std::size_t i) { return Evaluate(*n.args[i], vars, text); };
    switch (n.kind) {
    case Expr::Node::Number:
        return n.value;
    case Expr::Node::Variable: {
        if (n.name == "pi")
            return 3.14159265358979323846;
        auto it = vars.find(n.name);
        if (it == vars.end())
            throw UnknownVariable("in expression \"" + text + "\": unknown variable " + n.name);
        return it->second;
    }
    case Expr::Node::Negate:
        return -arg(0);
    case Expr::Node::Binary: {
        double a = arg(0), b = arg(1);
        switch (n.op) {
        case '+':
            return a + b;
        case '-':
            return a - b;
        case '*':
            return a * b;
        case '/':
            return a / b;
        default:
            return std::pow(a, b);
        }
    }
    case Expr::Node::Call: {
        double a = arg(0);
        double step = n.args.size() > 1 ? arg(1) : 1.0;
        if (n.name == "round")
            return Rounded(a, step, [](double x) { return std::round(x); });
        if (n.name == "ceil")
            return Rounded(a, step, [](double x) { return std::ceil(x); });
        if (n.name == "floor")
            return Rounded(a, step, [](double x) { return std::floor(x); });
        if (n.name == "min" || n.name == "max") {
            double r = a;
            for (std::size_t i = 1; i < n.args.size(); ++i)
                r = n.name == "min" ? std::min(r, arg(i)) : std::max(r, arg(i));
            return r;
        }
        if (n.name == "sqrt")
            return std::sqrt(a);
        if (n.name == "ln")
            return std::log(a);
        if (n.name == "log10")
            return std::log10(a);
        if (n.name == "log2")
            return std::log2(a);
        return std::fabs(a);
    }
    }
    return 0;
}

} // namespace

Expr Expr::Parse(std::string_view text) {
    Expr e;
    e.text_ = std::string(text);
    e.root_ = Parser(text).ParseAll();
    return e;
}

double Expr::Eval(const Variables& vars) const {
    if (!root_)
        throw ExprError("empty expression");
    double v = Evaluate(*root_, vars, text_);
    if (!std::isfinite(v))
        throw ExprError("expression \"" + text_ + "\" gives no finite number");
    return v;
}

} // namespace gencat
