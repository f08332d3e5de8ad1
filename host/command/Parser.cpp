#include "host/command/Parser.h"

#include "host/command/Lexer.h"
#include "util/NumberText.h"

#include <charconv>

namespace vex::host::command {
namespace {

// Deeper nesting than this is refused rather than risking the stack on hostile input.
constexpr int kMaxDepth = 200;

using ExprPtr = std::unique_ptr<Expression>;
using StmtPtr = std::unique_ptr<Statement>;

bool IsTypeWord(const Token& t, Value::Type& type) {
    if (t.kind != TokenKind::kWord) return false;
    if (t.text == "int")
        type = Value::Type::kInt;
    else if (t.text == "float")
        type = Value::Type::kFloat;
    else if (t.text == "string")
        type = Value::Type::kString;
    else
        return false;
    return true;
}

class ParserImpl {
public:
    ParserImpl(std::vector<Token>& tokens, ScriptError& error) : t_(tokens), error_(error) {}

    bool Script(std::vector<StmtPtr>& out) {
        while (!At(TokenKind::kEnd)) {
            StmtPtr s;
            if (!Stmt(s)) return false;
            if (s) out.push_back(std::move(s));
        }
        return true;
    }

private:
    const Token& Cur() const { return t_[pos_]; }
    const Token& Ahead(size_t n) const { return t_[std::min(pos_ + n, t_.size() - 1)]; }
    bool At(TokenKind k) const { return Cur().kind == k; }
    bool AtSymbol(const char* s) const { return Cur().IsSymbol(s); }
    bool AtWord(const char* w) const { return Cur().Is(TokenKind::kWord, w); }
    const Token& Take() { return t_[pos_ < t_.size() - 1 ? pos_++ : pos_]; }

    bool Fail(const std::string& reason) {
        if (error_.reason.empty()) {
            error_.line = Cur().line;
            error_.reason = "Syntax error: " + reason;
        }
        return false;
    }

    static std::string Describe(const Token& t) {
        switch (t.kind) {
        case TokenKind::kEnd:
            return "end of script";
        case TokenKind::kString:
            return "string \"" + t.text + "\"";
        case TokenKind::kVariable:
            return "\"$" + t.text + "\"";
        default:
            return "\"" + t.text + "\"";
        }
    }

    bool Expect(const char* symbol) {
        if (AtSymbol(symbol)) {
            Take();
            return true;
        }
        return Fail(std::string("expected \"") + symbol + "\" but found " + Describe(Cur()));
    }

    // A statement ends at ";"; the last one before "}" or the end may leave it out.
    bool EndStatement() {
        if (AtSymbol(";")) {
            Take();
            return true;
        }
        if (AtSymbol("}") || At(TokenKind::kEnd)) return true;
        return Fail("expected \";\" but found " + Describe(Cur()));
    }

    struct DepthGuard {
        explicit DepthGuard(int& d) : depth(d) { ++depth; }
        ~DepthGuard() { --depth; }
        int& depth;
    };

    bool Stmt(StmtPtr& out) {
        DepthGuard guard(depth_);
        if (depth_ > kMaxDepth) return Fail("nesting is too deep");
        const int line = Cur().line;
        if (AtSymbol(";")) {
            Take();
            return true;
        }
        out = std::make_unique<Statement>();
        out->line = line;
        if (AtSymbol("{")) {
            Take();
            out->kind = Statement::Kind::kBlock;
            while (!AtSymbol("}")) {
                if (At(TokenKind::kEnd)) return Fail("block is not closed with \"}\"");
                StmtPtr s;
                if (!Stmt(s)) return false;
                if (s) out->body.push_back(std::move(s));
            }
            Take();
            return true;
        }
        if (AtWord("if")) return If(*out);
        if (AtWord("while")) {
            Take();
            out->kind = Statement::Kind::kWhile;
            return Condition(*out) && Body(*out);
        }
        if (AtWord("for")) return For(*out);
        if (AtWord("break") || AtWord("continue")) {
            out->kind = AtWord("break") ? Statement::Kind::kBreak : Statement::Kind::kContinue;
            Take();
            return EndStatement();
        }
        if (AtWord("global") || IsTypeWord(Cur(), out->declaredType)) return Declare(out);
        if (At(TokenKind::kVariable) && IsAssignmentAhead()) return Assign(*out) && EndStatement();
        out->kind = Statement::Kind::kExpression;
        if (At(TokenKind::kWord) && !IsFunctionCallStatement() && !IsConstantWord(Cur().text)) {
            if (!CommandSyntax(out->expression, false)) return false;
        } else if (!Expr(out->expression)) {
            return false;
        }
        return EndStatement();
    }

    bool If(Statement& s) {
        Take();
        s.kind = Statement::Kind::kIf;
        if (!Condition(s) || !Body(s)) return false;
        if (AtWord("else")) {
            Take();
            return Body(s);
        }
        return true;
    }

    bool Condition(Statement& s) { return Expect("(") && Expr(s.expression) && Expect(")"); }

    bool Body(Statement& s) {
        StmtPtr body;
        if (!Stmt(body)) return false;
        if (!body) body = std::make_unique<Statement>(), body->kind = Statement::Kind::kBlock;
        s.body.push_back(std::move(body));
        return true;
    }

    bool For(Statement& s) {
        Take();
        if (!Expect("(")) return false;
        if (At(TokenKind::kVariable) && Ahead(1).Is(TokenKind::kWord, "in")) {
            s.kind = Statement::Kind::kForIn;
            s.name = Take().text;
            Take();
            return Expr(s.expression) && Expect(")") && Body(s);
        }
        s.kind = Statement::Kind::kFor;
        auto init = std::make_unique<Statement>();
        init->kind = Statement::Kind::kBlock;
        if (!AtSymbol(";") && !(Assign(*init))) return false;
        s.body.push_back(std::move(init));
        if (!Expect(";")) return false;
        if (AtSymbol(";"))
            s.expression = Literal(Value::Int(1));
        else if (!Expr(s.expression))
            return false;
        if (!Expect(";")) return false;
        auto step = std::make_unique<Statement>();
        step->kind = Statement::Kind::kBlock;
        if (!AtSymbol(")") && !Assign(*step)) return false;
        s.body.push_back(std::move(step));
        return Expect(")") && Body(s);
    }

    // name(a, b); is a call in function form; name (expr) more args; is a command whose first argument
    // is in parentheses, as in setAttr ($node + ".tx") 1.5;
    bool IsFunctionCallStatement() const {
        if (!Ahead(1).IsSymbol("(")) return false;
        int depth = 0;
        size_t n = 1;
        for (; Ahead(n).kind != TokenKind::kEnd; ++n) {
            if (Ahead(n).IsSymbol("(")) ++depth;
            if (Ahead(n).IsSymbol(")") && --depth == 0) break;
        }
        const Token& after = Ahead(n + 1);
        return after.IsSymbol(";") || after.IsSymbol("}") || after.kind == TokenKind::kEnd ||
               Precedence(after) >= 0;
    }

    bool IsAssignmentAhead() const {
        size_t n = 1;
        if (Ahead(n).IsSymbol("[")) {
            int depth = 0;
            for (; Ahead(n).kind != TokenKind::kEnd; ++n) {
                if (Ahead(n).IsSymbol("[")) ++depth;
                if (Ahead(n).IsSymbol("]") && --depth == 0) break;
            }
            ++n;
        }
        const Token& t = Ahead(n);
        return t.IsSymbol("=") || t.IsSymbol("+=") || t.IsSymbol("-=");
    }

    // $name [index] (= | += | -=) expression, without the ending ";".
    bool Assign(Statement& s) {
        if (!At(TokenKind::kVariable)) return Fail("expected a variable but found " + Describe(Cur()));
        s.kind = Statement::Kind::kAssign;
        s.line = Cur().line;
        s.name = Take().text;
        if (AtSymbol("[")) {
            Take();
            if (!Expr(s.index) || !Expect("]")) return false;
        }
        if (!(AtSymbol("=") || AtSymbol("+=") || AtSymbol("-=")))
            return Fail("expected \"=\" but found " + Describe(Cur()));
        s.op = Take().text;
        return Expr(s.expression);
    }

    // [global] type $a [[]] [= value] {, $b ...};  Several names give a block of declarations.
    bool Declare(StmtPtr& out) {
        const bool global = AtWord("global");
        if (global) Take();
        Value::Type type;
        if (!IsTypeWord(Cur(), type))
            return Fail("expected a type after \"global\" but found " + Describe(Cur()));
        Take();
        std::vector<StmtPtr> decls;
        do {
            if (!At(TokenKind::kVariable))
                return Fail("expected a variable name but found " + Describe(Cur()));
            auto d = std::make_unique<Statement>();
            d->kind = Statement::Kind::kDeclare;
            d->line = Cur().line;
            d->name = Take().text;
            d->declaredType = type;
            d->global = global;
            if (AtSymbol("[")) {
                Take();
                if (!AtSymbol("]")) {
                    ExprPtr ignoredSize; // a declared size only reserves room
                    if (!Expr(ignoredSize)) return false;
                }
                if (!Expect("]")) return false;
                d->declaredType = Value::ArrayType(type);
            }
            if (AtSymbol("=")) {
                Take();
                if (!Expr(d->expression)) return false;
            }
            decls.push_back(std::move(d));
        } while (AtSymbol(",") && (Take(), true));
        if (!EndStatement()) return false;
        if (decls.size() == 1) {
            out = std::move(decls.front());
        } else {
            out->kind = Statement::Kind::kBlock;
            out->body = std::move(decls);
        }
        return true;
    }

    static bool IsConstantWord(const std::string& w) {
        return w == "true" || w == "false" || w == "on" || w == "off" || w == "yes" || w == "no";
    }

    static ExprPtr Literal(Value v, int line = 1) {
        auto e = std::make_unique<Expression>();
        e->kind = Expression::Kind::kLiteral;
        e->value = std::move(v);
        e->line = line;
        return e;
    }

    bool Number(const Token& t, bool negative, ExprPtr& out) {
        const std::string text = (negative ? "-" : "") + t.text;
        if (t.kind == TokenKind::kFloat) {
            out = Literal(Value::Float(util::ParseNumber<double>(text).value_or(0.0)), t.line);
            return true;
        }
        int64_t v = 0;
        const bool hex = t.text.size() > 2 && t.text[1] == 'x';
        const char* begin = t.text.data() + (hex ? 2 : 0);
        const auto r = std::from_chars(begin, t.text.data() + t.text.size(), v, hex ? 16 : 10);
        if (r.ec != std::errc()) return Fail("number " + text + " is too large");
        out = Literal(Value::Int(negative ? -v : v), t.line);
        return true;
    }

    // name arg arg ...  up to ";", "}", "`", ")" or the end.
    bool CommandSyntax(ExprPtr& out, bool inBackquote) {
        out = std::make_unique<Expression>();
        out->kind = Expression::Kind::kCommand;
        out->line = Cur().line;
        out->text = Take().text;
        // Inside a substitution the closing "`" ends the command; elsewhere "`" opens an argument.
        while (!(AtSymbol(";") || AtSymbol("}") || (inBackquote && AtSymbol("`")) || AtSymbol(")") ||
                 At(TokenKind::kEnd))) {
            ExprPtr arg;
            if (!Argument(arg)) return false;
            out->operands.push_back(std::move(arg));
        }
        if (inBackquote && !AtSymbol("`")) return Fail("command substitution is not closed with \"`\"");
        return true;
    }

    static bool Glues(const Token& t) {
        if (t.spaceBefore) return false;
        return t.kind == TokenKind::kWord || t.kind == TokenKind::kInt || t.kind == TokenKind::kFloat ||
               t.IsSymbol("*") || t.IsSymbol("?") || t.IsSymbol("[") || t.IsSymbol("]") || t.IsSymbol(":");
    }

    bool Argument(ExprPtr& out) {
        const Token& t = Cur();
        if (t.kind == TokenKind::kFlag) {
            out = std::make_unique<Expression>();
            out->kind = Expression::Kind::kFlag;
            out->text = Take().text;
            out->line = t.line;
            return true;
        }
        if (t.IsSymbol("-") && (Ahead(1).kind == TokenKind::kInt || Ahead(1).kind == TokenKind::kFloat) &&
            !Ahead(1).spaceBefore) {
            Take();
            return Number(Take(), true, out);
        }
        if ((t.kind == TokenKind::kInt || t.kind == TokenKind::kFloat) && !Glues(Ahead(1)))
            return Number(Take(), false, out);
        if (t.kind == TokenKind::kString) {
            out = Literal(Value::String(t.text), t.line);
            Take();
            return true;
        }
        if (t.kind == TokenKind::kVariable || t.IsSymbol("(") || t.IsSymbol("`") || t.IsSymbol("{"))
            return Primary(out);
        if (t.kind == TokenKind::kWord || t.kind == TokenKind::kInt || t.kind == TokenKind::kFloat ||
            t.IsSymbol("*") || t.IsSymbol("?") || t.IsSymbol(":")) {
            // A bare word, with any wildcard, bracket or namespace pieces written against it: pCube*,
            // ball.f[0:5], :time1.
            std::string word = Take().text;
            while (Glues(Cur())) word += Take().text;
            out = Literal(Value::String(word), t.line);
            return true;
        }
        return Fail("unexpected " + Describe(t) + " in the arguments of a command");
    }

    bool Expr(ExprPtr& out) {
        DepthGuard guard(depth_);
        if (depth_ > kMaxDepth) return Fail("nesting is too deep");
        return Binary(0, out);
    }

    static int Precedence(const Token& t) {
        if (t.kind != TokenKind::kSymbol) return -1;
        static const char* levels[][4] = {{"||"},     {"&&"},         {"==", "!="}, {"<", ">", "<=", ">="},
                                          {"+", "-"}, {"*", "/", "%"}};
        for (int level = 0; level < 6; ++level)
            for (const char* op : levels[level])
                if (op != nullptr && t.text == op) return level;
        return -1;
    }

    bool Binary(int minLevel, ExprPtr& out) {
        if (!Unary(out)) return false;
        while (true) {
            const int level = Precedence(Cur());
            if (level < minLevel) return true;
            auto node = std::make_unique<Expression>();
            node->kind = Expression::Kind::kBinary;
            node->line = Cur().line;
            node->text = Take().text;
            ExprPtr right;
            if (!Binary(level + 1, right)) return false;
            node->operands.push_back(std::move(out));
            node->operands.push_back(std::move(right));
            out = std::move(node);
        }
    }

    bool Unary(ExprPtr& out) {
        if (AtSymbol("!") || AtSymbol("-")) {
            DepthGuard guard(depth_);
            if (depth_ > kMaxDepth) return Fail("nesting is too deep");
            out = std::make_unique<Expression>();
            out->kind = Expression::Kind::kUnary;
            out->line = Cur().line;
            out->text = Take().text;
            ExprPtr operand;
            if (!Unary(operand)) return false;
            out->operands.push_back(std::move(operand));
            return true;
        }
        return Primary(out);
    }

    bool Primary(ExprPtr& out) {
        const Token& t = Cur();
        switch (t.kind) {
        case TokenKind::kInt:
        case TokenKind::kFloat:
            return Number(Take(), false, out);
        case TokenKind::kString:
            out = Literal(Value::String(t.text), t.line);
            Take();
            return true;
        case TokenKind::kVariable:
            out = std::make_unique<Expression>();
            out->kind = Expression::Kind::kVariable;
            out->line = t.line;
            out->text = Take().text;
            if (AtSymbol("[") && !Cur().spaceBefore) {
                Take();
                ExprPtr index;
                if (!Expr(index) || !Expect("]")) return false;
                out->operands.push_back(std::move(index));
            }
            return true;
        case TokenKind::kWord:
            if (IsConstantWord(t.text)) {
                const bool on = t.text == "true" || t.text == "on" || t.text == "yes";
                out = Literal(Value::Int(on ? 1 : 0), t.line);
                Take();
                return true;
            }
            if (Ahead(1).IsSymbol("(")) return FunctionSyntax(out);
            return Fail("unexpected word " + Describe(t) + " in an expression");
        default:
            break;
        }
        if (t.IsSymbol("(")) {
            Take();
            return Expr(out) && Expect(")");
        }
        if (t.IsSymbol("`")) {
            Take();
            if (!At(TokenKind::kWord))
                return Fail("expected a command after \"`\" but found " + Describe(Cur()));
            DepthGuard guard(depth_);
            if (depth_ > kMaxDepth) return Fail("nesting is too deep");
            return CommandSyntax(out, true) && Expect("`");
        }
        if (t.IsSymbol("{")) {
            out = std::make_unique<Expression>();
            out->kind = Expression::Kind::kArray;
            out->line = t.line;
            Take();
            if (AtSymbol("}")) return Take(), true;
            do {
                ExprPtr element;
                if (!Expr(element)) return false;
                out->operands.push_back(std::move(element));
            } while (AtSymbol(",") && (Take(), true));
            return Expect("}");
        }
        return Fail("unexpected " + Describe(t));
    }

    // name(a, b, ...)
    bool FunctionSyntax(ExprPtr& out) {
        out = std::make_unique<Expression>();
        out->kind = Expression::Kind::kCommand;
        out->functionSyntax = true;
        out->line = Cur().line;
        out->text = Take().text;
        Take(); // "("
        if (AtSymbol(")")) return Take(), true;
        do {
            ExprPtr arg;
            if (!Expr(arg)) return false;
            out->operands.push_back(std::move(arg));
        } while (AtSymbol(",") && (Take(), true));
        return Expect(")");
    }

    std::vector<Token>& t_;
    ScriptError& error_;
    size_t pos_ = 0;
    int depth_ = 0;
};

} // namespace

bool Parser::Parse(std::string_view script, std::vector<std::unique_ptr<Statement>>& statements,
                   ScriptError& error) {
    statements.clear();
    std::vector<Token> tokens;
    if (!Lexer::Tokenize(script, tokens, error)) return false;
    return ParserImpl(tokens, error).Script(statements);
}

} // namespace vex::host::command
