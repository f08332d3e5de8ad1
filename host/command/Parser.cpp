#include "host/command/Parser.h"

#include "host/command/Lexer.h"
#include "host/command/Procedure.h"
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
    else if (t.text == "vector")
        type = Value::Type::kVector;
    else if (t.text == "matrix")
        type = Value::Type::kMatrix;
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
            error_.atEnd = At(TokenKind::kEnd);
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
        if (AtWord("do")) return DoWhile(*out);
        if (AtWord("switch")) return Switch(*out);
        if (AtWord("return")) return Return(*out);
        if (AtWord("break") || AtWord("continue")) {
            out->kind = AtWord("break") ? Statement::Kind::kBreak : Statement::Kind::kContinue;
            Take();
            return EndStatement();
        }
        if (AtWord("proc") || (AtWord("global") && Ahead(1).Is(TokenKind::kWord, "proc"))) return Proc(*out);
        if (AtWord("global") || IsTypeWord(Cur(), out->declaredType)) return Declare(out);
        return Simple(*out) && EndStatement();
    }

    // An assignment or an expression (a command call, $i++ ...), without the ending ";".
    bool Simple(Statement& s) {
        if (At(TokenKind::kVariable) && IsAssignmentAhead()) return Assign(s);
        s.kind = Statement::Kind::kExpression;
        s.line = Cur().line;
        if (At(TokenKind::kWord) && !IsFunctionCallStatement() && !IsConstantWord(Cur().text))
            return CommandSyntax(s.expression, false);
        return Expr(s.expression);
    }

    // do body while (condition);
    bool DoWhile(Statement& s) {
        Take();
        s.kind = Statement::Kind::kDoWhile;
        if (!Body(s)) return false;
        if (!AtWord("while"))
            return Fail("expected \"while\" after the body of \"do\" but found " + Describe(Cur()));
        Take();
        return Condition(s) && EndStatement();
    }

    // switch (value) { case v: statements ... default: statements }
    bool Switch(Statement& s) {
        Take();
        s.kind = Statement::Kind::kSwitch;
        if (!Condition(s) || !Expect("{")) return false;
        while (!AtSymbol("}")) {
            auto c = std::make_unique<Statement>();
            c->kind = Statement::Kind::kCase;
            c->line = Cur().line;
            if (AtWord("case")) {
                Take();
                if (!Expr(c->expression) || !Expect(":")) return false;
            } else if (AtWord("default:") || AtWord("default")) {
                const bool colon = AtWord("default:");
                Take();
                if (!colon && !Expect(":")) return false;
            } else {
                return Fail("expected \"case\" or \"default\" in a switch but found " + Describe(Cur()));
            }
            while (!AtSymbol("}") && !AtWord("case") && !AtWord("default") && !AtWord("default:")) {
                if (At(TokenKind::kEnd)) return Fail("switch is not closed with \"}\"");
                StmtPtr inner;
                if (!Stmt(inner)) return false;
                if (inner) c->body.push_back(std::move(inner));
            }
            s.body.push_back(std::move(c));
        }
        Take();
        return true;
    }

    // return [value];  only inside a procedure, with a value exactly when it declares a return type.
    bool Return(Statement& s) {
        Take();
        s.kind = Statement::Kind::kReturn;
        if (proc_ == nullptr) return Fail("\"return\" is only allowed inside a procedure");
        const bool ends = AtSymbol(";") || AtSymbol("}") || At(TokenKind::kEnd);
        if (!ends && !Expr(s.expression)) return false;
        if (proc_->returnsValue && !s.expression)
            return Fail("procedure \"" + proc_->name + "\" must return a value of type " +
                        Value::TypeName(proc_->returnType));
        if (!proc_->returnsValue && s.expression)
            return Fail("procedure \"" + proc_->name + "\" has no return type, so it cannot return a value");
        return EndStatement();
    }

    // A type word, with "[]" for an array type.
    bool TypeName(Value::Type& type) {
        if (!IsTypeWord(Cur(), type)) return Fail("expected a type but found " + Describe(Cur()));
        Take();
        if (AtSymbol("[") && Ahead(1).IsSymbol("]")) {
            if (type == Value::Type::kVector || type == Value::Type::kMatrix)
                return Fail(std::string("arrays of ") + Value::TypeName(type) + " are not supported");
            Take();
            Take();
            type = Value::ArrayType(type);
        }
        return true;
    }

    // [global] proc [type] name(type $a, ...) { body }
    bool Proc(Statement& s) {
        auto proc = std::make_shared<Procedure>();
        proc->line = Cur().line;
        proc->global = AtWord("global");
        if (proc->global) Take();
        Take(); // "proc"
        if (proc_ != nullptr) return Fail("a procedure cannot be defined inside another procedure");
        Value::Type type;
        if (IsTypeWord(Cur(), type)) {
            if (!TypeName(proc->returnType)) return false;
            proc->returnsValue = true;
        }
        if (!At(TokenKind::kWord)) return Fail("expected a procedure name but found " + Describe(Cur()));
        proc->name = Take().text;
        if (!Expect("(")) return false;
        while (!AtSymbol(")")) {
            if (!proc->parameters.empty() && !Expect(",")) return false;
            Procedure::Parameter parameter;
            if (!TypeName(parameter.type)) return false;
            if (!At(TokenKind::kVariable))
                return Fail("expected an argument name but found " + Describe(Cur()));
            parameter.name = Take().text;
            if (AtSymbol("[") && Ahead(1).IsSymbol("]")) {
                Take();
                Take();
                parameter.type = Value::ArrayType(parameter.type);
            }
            proc->parameters.push_back(std::move(parameter));
        }
        Take();
        if (!AtSymbol("{")) return Fail("expected \"{\" to open the body of \"" + proc->name + "\"");
        proc_ = proc.get();
        StmtPtr body;
        const bool ok = Stmt(body);
        proc_ = nullptr;
        if (!ok) return false;
        proc->body = std::move(body->body);
        s.kind = Statement::Kind::kProcedure;
        s.name = proc->name;
        s.procedure = std::move(proc);
        return true;
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
        if (!AtSymbol(";") && !Simple(*init)) return false;
        s.body.push_back(std::move(init));
        if (!Expect(";")) return false;
        if (AtSymbol(";"))
            s.expression = Literal(Value::Int(1));
        else if (!Expr(s.expression))
            return false;
        if (!Expect(";")) return false;
        auto step = std::make_unique<Statement>();
        step->kind = Statement::Kind::kBlock;
        if (!AtSymbol(")") && !Simple(*step)) return false;
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

    static bool IsAssignmentOperator(const Token& t) {
        return t.IsSymbol("=") || t.IsSymbol("+=") || t.IsSymbol("-=") || t.IsSymbol("*=") ||
               t.IsSymbol("/=");
    }

    bool IsAssignmentAhead() const {
        size_t n = 1;
        // $a[i] or a matrix's $m[i][j]
        while (Ahead(n).IsSymbol("[")) {
            int depth = 0;
            for (; Ahead(n).kind != TokenKind::kEnd; ++n) {
                if (Ahead(n).IsSymbol("[")) ++depth;
                if (Ahead(n).IsSymbol("]") && --depth == 0) break;
            }
            ++n;
        }
        return IsAssignmentOperator(Ahead(n));
    }

    // [index] or, when `column` is given, [row][column] with the second part optional.
    bool Indexes(ExprPtr& index, ExprPtr* column) {
        if (!AtSymbol("[")) return true;
        Take();
        if (!Expr(index) || !Expect("]")) return false;
        if (column == nullptr || !AtSymbol("[")) return true;
        Take();
        return Expr(*column) && Expect("]");
    }

    // $name [index] [column] (= | += | -= | *= | /=) expression, without the ending ";".
    bool Assign(Statement& s) {
        if (!At(TokenKind::kVariable)) return Fail("expected a variable but found " + Describe(Cur()));
        s.kind = Statement::Kind::kAssign;
        s.line = Cur().line;
        s.name = Take().text;
        if (!Indexes(s.index, &s.column)) return false;
        if (!IsAssignmentOperator(Cur())) return Fail("expected \"=\" but found " + Describe(Cur()));
        s.op = Take().text;
        return Expr(s.expression);
    }

    // [global] type $a [[]] [= value] {, $b ...};  Several names give one statement of declarations.
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
            if (type == Value::Type::kMatrix) {
                // matrix $m[rows][columns]
                if (!AtSymbol("["))
                    return Fail("a matrix needs its size: matrix $" + d->name + "[rows][columns]");
                if (!Indexes(d->index, &d->column)) return false;
                if (!d->column)
                    return Fail("a matrix needs its size: matrix $" + d->name + "[rows][columns]");
            } else if (AtSymbol("[")) {
                if (type == Value::Type::kVector) return Fail("arrays of vector are not supported");
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
            out->kind = Statement::Kind::kDeclarations;
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
               t.IsSymbol("*") || t.IsSymbol("?") || t.IsSymbol("[") || t.IsSymbol("]") || t.IsSymbol(":") ||
               t.IsSymbol(".");
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
        if (t.kind == TokenKind::kVariable || t.IsSymbol("(") || t.IsSymbol("`") || t.IsSymbol("{") ||
            t.IsSymbol("<<"))
            return Primary(out);
        if (t.kind == TokenKind::kWord || t.kind == TokenKind::kInt || t.kind == TokenKind::kFloat ||
            t.IsSymbol("*") || t.IsSymbol("?") || t.IsSymbol(":") || t.IsSymbol(".")) {
            // A bare word, with any wildcard, bracket or namespace pieces written against it: pCube*,
            // ball.f[0:5], :time1.
            std::string word = Take().text;
            while (Glues(Cur())) word += Take().text;
            out = Literal(Value::String(word), t.line);
            return true;
        }
        return Fail("unexpected " + Describe(t) + " in the arguments of a command");
    }

    // condition ? a : b binds loosest, from the right.
    bool Expr(ExprPtr& out) {
        DepthGuard guard(depth_);
        if (depth_ > kMaxDepth) return Fail("nesting is too deep");
        if (!Binary(0, out)) return false;
        if (!AtSymbol("?")) return true;
        auto node = std::make_unique<Expression>();
        node->kind = Expression::Kind::kTernary;
        node->line = Take().line;
        node->operands.push_back(std::move(out));
        ExprPtr a, b;
        if (!Expr(a) || !Expect(":") || !Expr(b)) return false;
        node->operands.push_back(std::move(a));
        node->operands.push_back(std::move(b));
        out = std::move(node);
        return true;
    }

    static int Precedence(const Token& t) {
        if (t.kind != TokenKind::kSymbol) return -1;
        static const char* levels[][4] = {
            {"||"}, {"&&"}, {"==", "!="}, {"<", ">", "<=", ">="}, {"+", "-"}, {"*", "/", "%", "^"}};
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
        if (AtSymbol("++") || AtSymbol("--")) {
            out = std::make_unique<Expression>();
            out->kind = Expression::Kind::kIncrement;
            out->line = Cur().line;
            out->text = Take().text;
            out->prefix = true;
            if (!At(TokenKind::kVariable))
                return Fail("expected a variable after \"" + out->text + "\" but found " + Describe(Cur()));
            ExprPtr variable;
            if (!Primary(variable, false)) return false;
            out->operands.push_back(std::move(variable));
            return true;
        }
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

    // A value; `postfix` takes a "++" or "--" written after a variable.
    bool Primary(ExprPtr& out, bool postfix = true) {
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
                ExprPtr index, column;
                if (!Indexes(index, &column)) return false;
                out->operands.push_back(std::move(index));
                if (column) out->operands.push_back(std::move(column));
            }
            if (AtSymbol(".") && !Cur().spaceBefore) {
                Take();
                if (!(AtWord("x") || AtWord("y") || AtWord("z")))
                    return Fail("expected x, y or z after \".\" but found " + Describe(Cur()));
                auto component = std::make_unique<Expression>();
                component->kind = Expression::Kind::kComponent;
                component->line = t.line;
                component->text = Take().text;
                component->operands.push_back(std::move(out));
                out = std::move(component);
                return true;
            }
            if (postfix && (AtSymbol("++") || AtSymbol("--"))) {
                auto step = std::make_unique<Expression>();
                step->kind = Expression::Kind::kIncrement;
                step->line = t.line;
                step->text = Take().text;
                step->operands.push_back(std::move(out));
                out = std::move(step);
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
        if (t.IsSymbol("<<")) return VectorOrMatrix(out);
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

    // <<x, y, z>> is a vector; rows separated by ";" make a matrix: <<1, 2; 3, 4>>.
    bool VectorOrMatrix(ExprPtr& out) {
        out = std::make_unique<Expression>();
        out->line = Take().line;
        size_t rows = 1;
        size_t inRow = 0;
        while (true) {
            ExprPtr element;
            if (!Expr(element)) return false;
            out->operands.push_back(std::move(element));
            ++inRow;
            if (AtSymbol(",")) {
                Take();
                continue;
            }
            if (!AtSymbol(";") && !AtSymbol(">>"))
                return Fail("expected \",\", \";\" or \">>\" but found " + Describe(Cur()));
            if (out->columns == 0) out->columns = inRow;
            if (inRow != out->columns)
                return Fail("the rows of a matrix must have the same number of values");
            inRow = 0;
            if (Take().IsSymbol(">>")) break;
            ++rows;
        }
        if (rows == 1 && out->columns == 3) {
            out->kind = Expression::Kind::kVector;
            return true;
        }
        if (rows == 1) return Fail("a vector has three values: <<x, y, z>>");
        out->kind = Expression::Kind::kMatrix;
        return true;
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
    const Procedure* proc_ = nullptr; // the procedure whose body is being read
};

} // namespace

bool Parser::Parse(std::string_view script, std::vector<std::unique_ptr<Statement>>& statements,
                   ScriptError& error) {
    statements.clear();
    std::vector<Token> tokens;
    if (!Lexer::Tokenize(script, tokens, error)) return false;
    return ParserImpl(tokens, error).Script(statements);
}

bool Parser::IsComplete(std::string_view script) {
    std::vector<std::unique_ptr<Statement>> statements;
    ScriptError error;
    std::vector<Token> tokens;
    if (!Lexer::Tokenize(script, tokens, error) || !ParserImpl(tokens, error).Script(statements))
        return !error.atEnd;
    // The last statement must have been closed: "print 1" may still go on in the next line.
    if (tokens.size() < 2) return true;
    const Token& last = tokens[tokens.size() - 2];
    return last.IsSymbol(";") || last.IsSymbol("}");
}

bool Parser::MayTakeElse(std::string_view script) {
    std::vector<std::unique_ptr<Statement>> statements;
    ScriptError error;
    if (!Parse(script, statements, error) || statements.empty()) return false;
    // Down the else-if chain to its last if: without an else of its own, an else would join it.
    const Statement* s = statements.back().get();
    while (s->kind == Statement::Kind::kIf && s->body.size() > 1) s = s->body[1].get();
    return s->kind == Statement::Kind::kIf;
}

} // namespace vex::host::command
