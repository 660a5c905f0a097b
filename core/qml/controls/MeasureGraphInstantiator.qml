import QtQml 2.15
import "../templates" as T

T.MeasureGraphInstantiator { }
