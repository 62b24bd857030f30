#include "shell/insert/FunctionMenuTable.h"

#include <QtGlobal>

namespace numora {

namespace {

constexpr FunctionMenuItem kSeparator{nullptr, 0, nullptr};

constexpr FunctionMenuItem kTrigonometric[] = {
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Sin\t(&S)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "正弦 : Sin(Radian)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Cos\t(&C)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "余弦 : Cos(Radian)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Tan\t(&T)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "正接 : Tan(Radian)")},
    kSeparator,
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "ASin\t(&A)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "逆正弦 : ASin(x) x = [-1.0 to 1.0]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "ACos\t(&O)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "逆余弦 : ACos(x) x = [-1.0 to 1.0]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "ATan\t(&N)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "逆正接 : ATan(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "ATan2\t(&Z)"), 2,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "4象限逆正接 : ATan2(x;y)")},
    kSeparator,
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Sinh\t(&1)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "双曲線正弦 : Sinh(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Cosh\t(&2)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "双曲線余弦 : Cosh(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Tanh\t(&3)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "双曲線正接 : Tanh(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "ASinh\t(&4)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "逆双曲線正弦 : ASinh(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "ACosh\t(&5)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "逆双曲線余弦 : ACosh(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "ATanh\t(&6)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "逆双曲線正接 : ATanh(x)")},
};

constexpr FunctionMenuItem kExponential[] = {
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Exp\t(&E)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "e(ネイピア数)を底とする指数 : Exp(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Exp2\t(&1)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "2を底とする指数 : Exp2(x)")},
    kSeparator,
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Ln\t(&N)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "e(ネイピア数)を底とする自然対数 : Ln(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Log\t(&L)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "10を底とする常用対数 : Log(x) or Log10(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Log2\t(&2)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "2を底とする二進対数 : Log2(x)")},
    kSeparator,
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Sqrt\t(&S)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "平方根 : Sqrt(x) or Sqr(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Cbrt\t(&C)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "立方根 : Cbrt(x) or Cbr(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Hypot\t(&H)"), 2,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "二乗和の平方根(直角三角形の斜辺) : Hypot(x;y)")},
};

constexpr FunctionMenuItem kInteger[] = {
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Abs\t(&A)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "絶対値 : Abs(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Int\t(&I)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "整数部分を返す : Int(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Frac\t(&F)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "小数部分を返す : Frac(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Logb\t(&B)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "浮動小数点の指数部を返す : Logb(x)")},
    kSeparator,
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Ceil\t(&C)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "x以上の最小の整数値 : Ceil(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Floor\t(&L)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "x以下の最大の整数値 : Floor(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Round\t(&R)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "四捨五入により丸めた整数値 : Round(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Trunc\t(&T)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "ゼロ方向に丸めた整数値 : Trunc(x) <Same Int(x)>")},
};

constexpr FunctionMenuItem kDateTime[] = {
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Date\t(&D)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu",
                       "現在日付のシリアル値 : Date(Type=0) Type = [0:Unix Int / 1:ExcelFloat]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Time\t(&T)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu",
                       "現在時刻のシリアル値 : Time(Type=0) Type = [0:Unix Int / 1:ExcelFloat]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Now\t(&N)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu",
                       "現在日時のシリアル値 : Now(Type=0) Type = [0:Unix Int / 1:ExcelFloat]")},
    kSeparator,
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Dayofweek\t(&W)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu",
                       "シリアル値から曜日を0-6で返す : Dayofweek(x;Type=0) Type = [0:Unix Int / "
                       "1:ExcelFloat]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "IncMonth\t(&M)"), 2,
     QT_TRANSLATE_NOOP(
         "numora::FunctionMenu",
         "シリアル値に指定した月数を加減する : IncMonth(x;Month;Type=0) Type = [0:Unix Int / "
         "1:ExcelFloat]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "TimeSpan\t(&S)"), 4,
     QT_TRANSLATE_NOOP("numora::FunctionMenu",
                       "経過時間のシリアル値 (Unix Int) : TimeSpan(Days;Hour;Min;Sec)")},
    kSeparator,
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "ToDate\t(&F)"), 3,
     QT_TRANSLATE_NOOP(
         "numora::FunctionMenu",
         "指定した日付のシリアル値 : ToDate(Year;Month;Day;Type=0) Type = [0:Unix Int / "
         "1:ExcelFloat]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "ToTime\t(&Y)"), 3,
     QT_TRANSLATE_NOOP(
         "numora::FunctionMenu",
         "指定した時刻のシリアル値 : ToTime(Hour;Min;Sec;Type=0) Type = [0:Unix Int / "
         "1:ExcelFloat]")},
    kSeparator,
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "UnixTime\t(&U)"), 6,
     QT_TRANSLATE_NOOP(
         "numora::FunctionMenu",
         "指定した日時のシリアル値 [Unix Int] : UnixTime(Year;Month;Day;Hour;Min;Sec)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "ExcelTime\t(&E)"), 6,
     QT_TRANSLATE_NOOP(
         "numora::FunctionMenu",
         "指定した日時のシリアル値 [ExcelFloat] : ExcelTime(Year;Month;Day;Hour;Min;Sec)")},
    kSeparator,
    // Types 0 and 2 read x as Unix Int, 1 and 3 as ExcelFloat; 0 and 1 show local time,
    // 2 and 3 UTC.
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "FormatTime\t(&T)"), 2,
     QT_TRANSLATE_NOOP(
         "numora::FunctionMenu",
         "シリアル値を日時の文字列に変換 : FormatTime(x;Type=0) Type = [0:Unix Int→ローカル時刻 / "
         "1:ExcelFloat→ローカル時刻 / 2:Unix Int→UTC / 3:ExcelFloat→UTC]")},
};

constexpr FunctionMenuItem kLogical[] = {
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Not\t(&N)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "論理否定(ビット反転) : Not(x)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Or\t(&Q)"), 2,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "論理和 : Or(x;y)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "And\t(&A)"), 2,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "論理積 : And(x;y)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Xor\t(&X)"), 2,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "排他的論理和 : Xor(x;y)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Nor\t(&W)"), 2,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "否定論理和 : Nor(x;y)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Nand\t(&S)"), 2,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "否定論理積 : Nand(x;y)")},
    kSeparator,
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Bsl\t(&L)"), 2,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "左シフト : Bsl(x;shift)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Bsr\t(&R)"), 2,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "右シフト : Bsr(x;shift)")},
    kSeparator,
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Bit\t(&B)"), 2,
     QT_TRANSLATE_NOOP(
         "numora::FunctionMenu",
         "ビット幅変換 : Bit(x;BitWidth) BitWidth = [符号なし:1to64]/[符号あり:-1to-64] "
         "0は符号なし64ビット")},
};

constexpr FunctionMenuItem kConversion[] = {
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "ToRad\t(&R)"), 1,
     QT_TRANSLATE_NOOP(
         "numora::FunctionMenu",
         "度をラジアンに変換 : ToRad(Degree;Min=0;Sec=0) or DegToRad(...) or Rad(...)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "ToDeg\t(&D)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu",
                       "ラジアンを度に変換 : ToDeg(Radian) or RadToDeg(...) or Deg(...)")},
    kSeparator,
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Format\t(&F)"), 2,
     QT_TRANSLATE_NOOP("numora::FunctionMenu",
                       "数値フォーマット : Format(x;Digits;Type=0) Digits = 桁数 / Type = "
                       "[0:通常/1:固定小数点明示/2:指数表記]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Hex\t(&H)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "16進数フォーマット : Hex(x)")},
    kSeparator,
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Random\t(&N)"), 1,
     QT_TRANSLATE_NOOP(
         "numora::FunctionMenu",
         "ランダム値 : Random(Seed=0) Seed =  [0:Seedをランダムに生成 / 1～指定値(数列固定)]")},
};

constexpr FunctionMenuItem kTotals[] = {
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Subtotal\t(&S)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu",
                       "上の項目の和 (空行か小計の行まで) : Subtotal, 小計")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Total\t(&T)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "上の項目すべての和 (合計の行まで) : Total, 合計")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Average\t(&A)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "小計の項目の平均 : Average, 平均")},
};

constexpr FunctionSubmenu kTotalsSubmenu = {QT_TRANSLATE_NOOP("numora::FunctionMenu", "合計(&S)"),
                                            kTotals};

// Each item inserts its text, a conversion to complete with the value before it.
constexpr FunctionMenuItem kUnits[] = {
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "-> [m]\t(&M)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "メートルに換算 : 5[ft] -> [m]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "-> [cm]\t(&C)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "センチメートルに換算 : 5[ft] + 2[in] -> [cm]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "-> [kg]\t(&K)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "キログラムに換算 : 150[lb] -> [kg]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "-> [m²]\t(&A)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "平方メートルに換算 : 30[坪] -> [m²]")},
    kSeparator,
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "[ft] -> [m]\t(&1)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "フィートをメートルに : 1[ft] = 0.3048[m]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "[in] -> [cm]\t(&2)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "インチをセンチメートルに : 1[in] = 2.54[cm]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "[mi] -> [km]\t(&3)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "マイルをキロメートルに : 1[mi] = 1.609344[km]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "[lb] -> [kg]\t(&4)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "ポンドをキログラムに : 1[lb] = 0.45359237[kg]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "[km/h] -> [m/s]\t(&5)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "時速を秒速に : 36[km/h] = 10[m/s]")},
    kSeparator,
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "[°F] -> [°C]\t(&F)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "華氏度をセルシウス度に : 77[°F] = 25[°C]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "[°C] -> [°F]\t(&D)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "セルシウス度を華氏度に : 100[°C] = 212[°F]")},
    kSeparator,
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "[坪] -> [m²]\t(&T)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "坪を平方メートルに : 121[坪] = 400[m²]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "[m²] -> [坪]\t(&B)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "平方メートルを坪に : 400[m²] = 121[坪]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "[尺] -> [cm]\t(&S)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "尺をセンチメートルに : 33[尺] = 1000[cm]")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "[合] -> [mL]\t(&G)"), kNameOnly,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "合をミリリットルに : 1[合] ≈ 180.39[mL]")},
};

// Percentages and consumption tax; the rate and rounding default to the options dialog's.
constexpr FunctionMenuItem kPercent[] = {
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Pct\t(&P)"), 2,
     QT_TRANSLATE_NOOP("numora::FunctionMenu", "a が b の何パーセントか : Pct(a;b) = 100*a/b")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "PctChange\t(&C)"), 2,
     QT_TRANSLATE_NOOP("numora::FunctionMenu",
                       "a から b への増減率 : PctChange(a;b) = 100*(b-a)/a")},
    kSeparator,
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "Tax\t(&T)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu",
                       "消費税 (外税) : Tax(x;Rate=標準税率;Round=端数処理) Round = "
                       "[-1:切り捨て/0:四捨五入/1:切り上げ] or 消費税(...)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "TaxPlus\t(&A)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu",
                       "税込金額 : TaxPlus(x;Rate;Round) = x + Tax(x) or 税込(...)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "TaxIncluded\t(&I)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu",
                       "税込金額に含まれる消費税 (内税) : TaxIncluded(x;Rate;Round) or 内税(...)")},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "TaxMinus\t(&M)"), 1,
     QT_TRANSLATE_NOOP("numora::FunctionMenu",
                       "税抜金額 : TaxMinus(x;Rate;Round) = x - TaxIncluded(x) or 税抜(...)")},
};

constexpr FunctionSubmenu kPercentSubmenu = {
    QT_TRANSLATE_NOOP("numora::FunctionMenu", "パーセント・税(&P)"), kPercent};

constexpr FunctionSubmenu kUnitsSubmenu = {QT_TRANSLATE_NOOP("numora::FunctionMenu", "単位(&U)"),
                                           kUnits};

constexpr FunctionSubmenu kSubmenus[] = {
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "三角関数(&T)"), kTrigonometric},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "指数・対数(&E)"), kExponential},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "計算・整数・丸め(&I)"), kInteger},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "日付・時間(&D)"), kDateTime},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "論理演算(&L)"), kLogical},
    {QT_TRANSLATE_NOOP("numora::FunctionMenu", "変換・その他(&C)"), kConversion},
};

}  // namespace

std::span<const FunctionSubmenu> BuiltinFunctionMenuTable() { return kSubmenus; }

const FunctionSubmenu& TotalsMenuTable() { return kTotalsSubmenu; }

const FunctionSubmenu& UnitsMenuTable() { return kUnitsSubmenu; }

const FunctionSubmenu& PercentMenuTable() { return kPercentSubmenu; }

}  // namespace numora
