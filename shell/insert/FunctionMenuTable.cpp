#include "shell/insert/FunctionMenuTable.h"

namespace numora {

namespace {

constexpr FunctionMenuItem kSeparator{nullptr, 0, nullptr};

constexpr FunctionMenuItem kTrigonometric[] = {
    {u"Sin\t(&S)", 1, u"正弦 : Sin(Radian)"},
    {u"Cos\t(&C)", 1, u"余弦 : Cos(Radian)"},
    {u"Tan\t(&T)", 1, u"正接 : Tan(Radian)"},
    kSeparator,
    {u"ASin\t(&A)", 1, u"逆正弦 : ASin(x) x = [-1.0 to 1.0]"},
    {u"ACos\t(&O)", 1, u"逆余弦 : ACos(x) x = [-1.0 to 1.0]"},
    {u"ATan\t(&N)", 1, u"逆正接 : ATan(x)"},
    {u"ATan2\t(&Z)", 2, u"4象限逆正接 : ATan2(x;y)"},
    kSeparator,
    {u"Sinh\t(&1)", 1, u"双曲線正弦 : Sinh(x)"},
    {u"Cosh\t(&2)", 1, u"双曲線余弦 : Cosh(x)"},
    {u"Tanh\t(&3)", 1, u"双曲線正接 : Tanh(x)"},
    {u"ASinh\t(&4)", 1, u"逆双曲線正弦 : ASinh(x)"},
    {u"ACosh\t(&5)", 1, u"逆双曲線余弦 : ACosh(x)"},
    {u"ATanh\t(&6)", 1, u"逆双曲線正接 : ATanh(x)"},
};

constexpr FunctionMenuItem kExponential[] = {
    {u"Exp\t(&E)", 1, u"e(ネイピア数)を底とする指数 : Exp(x)"},
    {u"Exp2\t(&1)", 1, u"2を底とする指数 : Exp2(x)"},
    kSeparator,
    {u"Ln\t(&N)", 1, u"e(ネイピア数)を底とする自然対数 : Ln(x)"},
    {u"Log\t(&L)", 1, u"10を底とする常用対数 : Log(x) or Log10(x)"},
    {u"Log2\t(&2)", 1, u"2を底とする二進対数 : Log2(x)"},
    kSeparator,
    {u"Sqrt\t(&S)", 1, u"平方根 : Sqrt(x) or Sqr(x)"},
    {u"Cbrt\t(&C)", 1, u"立方根 : Cbrt(x) or Cbr(x)"},
    {u"Hypot\t(&H)", 2, u"二乗和の平方根(直角三角形の斜辺) : Hypot(x;y)"},
};

constexpr FunctionMenuItem kInteger[] = {
    {u"Abs\t(&A)", 1, u"絶対値 : Abs(x)"},
    {u"Int\t(&I)", 1, u"整数部分を返す : Int(x)"},
    {u"Frac\t(&F)", 1, u"小数部分を返す : Frac(x)"},
    {u"Logb\t(&B)", 1, u"浮動小数点の指数部を返す : Logb(x)"},
    kSeparator,
    {u"Ceil\t(&C)", 1, u"x以上の最小の整数値 : Ceil(x)"},
    {u"Floor\t(&L)", 1, u"x以下の最大の整数値 : Floor(x)"},
    {u"Round\t(&R)", 1, u"四捨五入により丸めた整数値 : Round(x)"},
    {u"Trunc\t(&T)", 1, u"ゼロ方向に丸めた整数値 : Trunc(x) <Same Int(x)>"},
};

constexpr FunctionMenuItem kDateTime[] = {
    {u"Date\t(&D)", 1, u"現在日付のシリアル値 : Date(Type=0) Type = [0:Unix Int / 1:ExcelFloat]"},
    {u"Time\t(&T)", 1, u"現在時刻のシリアル値 : Time(Type=0) Type = [0:Unix Int / 1:ExcelFloat]"},
    {u"Now\t(&N)", 1, u"現在日時のシリアル値 : Now(Type=0) Type = [0:Unix Int / 1:ExcelFloat]"},
    kSeparator,
    {u"Dayofweek\t(&W)", 1,
     u"シリアル値から曜日を0-6で返す : Dayofweek(x;Type=0) Type = [0:Unix Int / "
     u"1:ExcelFloat]"},
    {u"IncMonth\t(&M)", 2,
     u"シリアル値に指定した月数を加減する : IncMonth(x;Month;Type=0) Type = [0:Unix Int / "
     u"1:ExcelFloat]"},
    {u"TimeSpan\t(&S)", 4, u"経過時間のシリアル値 (Unix Int) : TimeSpan(Days;Hour;Min;Sec)"},
    kSeparator,
    {u"ToDate\t(&F)", 3,
     u"指定した日付のシリアル値 : ToDate(Year;Month;Day;Type=0) Type = [0:Unix Int / "
     u"1:ExcelFloat]"},
    {u"ToTime\t(&Y)", 3,
     u"指定した時刻のシリアル値 : ToTime(Hour;Min;Sec;Type=0) Type = [0:Unix Int / "
     u"1:ExcelFloat]"},
    kSeparator,
    {u"UnixTime\t(&U)", 6,
     u"指定した日時のシリアル値 [Unix Int] : UnixTime(Year;Month;Day;Hour;Min;Sec)"},
    {u"ExcelTime\t(&E)", 6,
     u"指定した日時のシリアル値 [ExcelFloat] : ExcelTime(Year;Month;Day;Hour;Min;Sec)"},
    kSeparator,
    // Types 0 and 2 read x as Unix Int, 1 and 3 as ExcelFloat; 0 and 1 show local time,
    // 2 and 3 UTC.
    {u"FormatTime\t(&T)", 2,
     u"シリアル値を日時の文字列に変換 : FormatTime(x;Type=0) Type = [0:Unix Int→ローカル時刻 / "
     u"1:ExcelFloat→ローカル時刻 / 2:Unix Int→UTC / 3:ExcelFloat→UTC]"},
};

constexpr FunctionMenuItem kLogical[] = {
    {u"Not\t(&N)", 1, u"論理否定(ビット反転) : Not(x)"},
    {u"Or\t(&Q)", 2, u"論理和 : Or(x;y)"},
    {u"And\t(&A)", 2, u"論理積 : And(x;y)"},
    {u"Xor\t(&X)", 2, u"排他的論理和 : Xor(x;y)"},
    {u"Nor\t(&W)", 2, u"否定論理和 : Nor(x;y)"},
    {u"Nand\t(&S)", 2, u"否定論理積 : Nand(x;y)"},
    kSeparator,
    {u"Bsl\t(&L)", 2, u"左シフト : Bsl(x;shift)"},
    {u"Bsr\t(&R)", 2, u"右シフト : Bsr(x;shift)"},
    kSeparator,
    {u"Bit\t(&B)", 2,
     u"ビット幅変換 : Bit(x;BitWidth) BitWidth = [符号なし:1to64]/[符号あり:-1to-64] "
     u"0は符号なし64ビット"},
};

constexpr FunctionMenuItem kConversion[] = {
    {u"ToRad\t(&R)", 1,
     u"度をラジアンに変換 : ToRad(Degree;Min=0;Sec=0) or DegToRad(...) or Rad(...)"},
    {u"ToDeg\t(&D)", 1, u"ラジアンを度に変換 : ToDeg(Radian) or RadToDeg(...) or Deg(...)"},
    kSeparator,
    {u"Format\t(&F)", 2,
     u"数値フォーマット : Format(x;Digits;Type=0) Digits = 桁数 / Type = "
     u"[0:通常/1:固定小数点明示/2:指数表記]"},
    {u"Hex\t(&H)", 1, u"16進数フォーマット : Hex(x)"},
    kSeparator,
    {u"Random\t(&N)", 1,
     u"ランダム値 : Random(Seed=0) Seed =  [0:Seedをランダムに生成 / 1～指定値(数列固定)]"},
};

constexpr FunctionSubmenu kSubmenus[] = {
    {u"三角関数(&T)", kTrigonometric},   {u"指数・対数(&E)", kExponential},
    {u"計算・整数・丸め(&I)", kInteger}, {u"日付・時間(&D)", kDateTime},
    {u"論理演算(&L)", kLogical},         {u"変換・その他(&C)", kConversion},
};

}  // namespace

std::span<const FunctionSubmenu> BuiltinFunctionMenuTable() { return kSubmenus; }

}  // namespace numora
