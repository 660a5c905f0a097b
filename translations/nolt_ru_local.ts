<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ru_RU">
<context>
    <name>BaseTableModel</name>
    <message>
        <location filename="../app/tables/BaseTableModel.cpp" line="116"/>
        <source>Settings</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <location filename="../app/tables/BaseTableModel.cpp" line="118"/>
        <source>Current value</source>
        <translation>Текущее значение</translation>
    </message>
    <message>
        <location filename="../app/tables/BaseTableModel.cpp" line="120"/>
        <source>Recommended</source>
        <translation>Рекомендуемое</translation>
    </message>
</context>
<context>
    <name>BusyPage</name>
    <message>
        <location filename="../qml/BusyPage.qml" line="16"/>
        <source>Measurements are executing</source>
        <translation>Выполняются измерения</translation>
    </message>
    <message>
        <location filename="../qml/BusyPage.qml" line="29"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>CalibrateVnaPage</name>
    <message>
        <location filename="../qml/pages/CalibrateVnaPage.qml" line="12"/>
        <source>VNA calibration</source>
        <translation>Калибровка ВАЦ</translation>
    </message>
    <message>
        <location filename="../qml/pages/CalibrateVnaPage.qml" line="13"/>
        <location filename="../qml/pages/CalibrateVnaPage.qml" line="30"/>
        <source>Calibrate VNA</source>
        <translation>Откалибруйте ВАЦ</translation>
    </message>
    <message>
        <location filename="../qml/pages/CalibrateVnaPage.qml" line="15"/>
        <source>&lt;h3&gt;VNA calibration&lt;/h3&gt;&lt;p align=justify&gt;The table compares the calibration of the active channel with the ports the fixtures are cabled to. Calibrate the analyzer at the plane where the fixtures will be connected.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Калибровка ВАЦ&lt;/h3&gt;&lt;p align=justify&gt;В таблице калибровка активного канала сравнивается с портами, к которым подключены оснастки. Откалибруйте анализатор в плоскости, где будут подключаться оснастки.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../qml/pages/CalibrateVnaPage.qml" line="36"/>
        <source>&lt;p align=justify&gt;Perform an N-port VNA calibration at the plane where the fixture needs to be connected.&lt;br&gt;&lt;br&gt; No fixture connection is required.&lt;br&gt;&lt;br&gt; Calibration is applied on the active VNA channel only.&lt;/p&gt;</source>
        <translation>&lt;p align=justify&gt;Выполните N-портовую калибровку ВАЦ в плоскости, где будет подключаться оснастка.&lt;br&gt;&lt;br&gt; Подключать оснастку не требуется.&lt;br&gt;&lt;br&gt; Калибровка применяется только к активному каналу ВАЦ.&lt;/p&gt;</translation>
    </message>
</context>
<context>
    <name>CalibrateVnaTableModel</name>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="49"/>
        <source>Interpolated</source>
        <translation>Интерполирована</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="50"/>
        <source>Extrapolated</source>
        <translation>Экстраполирована</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="89"/>
        <source>Calibrated ports do not correspond to the fixture connection configuration.</source>
        <translation>Откалиброванные порты не соответствуют схеме подключения оснастки.</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="95"/>
        <source>Calibration</source>
        <translation>Калибровка</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="101"/>
        <source>Not calibrated</source>
        <translation>Не откалиброван</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="103"/>
        <source>Not defined</source>
        <translation>Не определено</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="105"/>
        <source>Response (Open)</source>
        <translation>Нормализация (ХХ)</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="107"/>
        <source>Response (Short)</source>
        <translation>Нормализация (КЗ)</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="109"/>
        <source>Response (Thru)</source>
        <translation>Нормализация (перемычка)</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="111"/>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="177"/>
        <source>Full 1-Port</source>
        <translation>Полная 1-портовая</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="113"/>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="177"/>
        <source>Full 2-Port</source>
        <translation>Полная 2-портовая</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="115"/>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="177"/>
        <source>Full 3-Port</source>
        <translation>Полная 3-портовая</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="117"/>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="177"/>
        <source>Full 4-Port</source>
        <translation>Полная 4-портовая</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="119"/>
        <source>One Path 2–Port</source>
        <translation>Однонаправленная 2-портовая</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="132"/>
        <source>Yes</source>
        <translation>Да</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="132"/>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="135"/>
        <source>No</source>
        <translation>Нет</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="140"/>
        <source>Using the interpolated or extrapolated calibration data is not allowed.</source>
        <translation>Использование интерполированных или экстраполированных калибровочных данных недопустимо.</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="146"/>
        <source>Calibrated ports</source>
        <translation>Откалиброванные порты</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="154"/>
        <source>Impedance</source>
        <translation>Импеданс</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="163"/>
        <source> Ω</source>
        <translation> Ом</translation>
    </message>
    <message>
        <location filename="../app/checks/CalibrateVnaTableModel.cpp" line="185"/>
        <source>The VNA is not calibrated, or current calibration status is wrong. Carry out the VNA calibration as recommended.</source>
        <translation>ВАЦ не откалиброван, или текущее состояние калибровки неверно. Выполните калибровку ВАЦ, как рекомендовано.</translation>
    </message>
</context>
<context>
    <name>ConnectionPage</name>
    <message>
        <location filename="../qml/pages/ConnectionPage.qml" line="25"/>
        <source>The bisection method does not support the 1xReflect setup. It requires a direct connection of two fixtures.</source>
        <translation>Метод бисекции не поддерживает схему 1xReflect. Для него нужно прямое соединение двух оснасток.</translation>
    </message>
    <message>
        <location filename="../qml/pages/ConnectionPage.qml" line="28"/>
        <source>Fixture connection</source>
        <translation>Подключение оснастки</translation>
    </message>
    <message>
        <location filename="../qml/pages/ConnectionPage.qml" line="29"/>
        <source>Point out the required fixture connections and assign the VNA ports. This is a preparation step for performing the fixture measurements</source>
        <translation>Укажите нужные соединения оснасток и назначьте порты ВАЦ. Это подготовительный шаг перед измерением оснасток</translation>
    </message>
    <message>
        <location filename="../qml/pages/ConnectionPage.qml" line="32"/>
        <source>&lt;h3&gt;Fixture connection&lt;/h3&gt;&lt;p align=justify&gt;Choose how the fixtures are measured: connected directly to each other, as two copies of the same fixture, or with open and short standards at their far end. Then assign the VNA port that each fixture port is cabled to; a port used twice in one measurement is marked.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Подключение оснастки&lt;/h3&gt;&lt;p align=justify&gt;Выберите, как измеряются оснастки: напрямую соединенными друг с другом, как две копии одной оснастки или с мерами холостого хода и короткого замыкания на дальнем конце. Затем назначьте порт ВАЦ, к которому подключен каждый порт оснастки; порт, занятый дважды в одном измерении, отмечается.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../qml/pages/ConnectionPage.qml" line="59"/>
        <source>Warning: You must select one/more fixtures</source>
        <translation>Внимание: выберите одну или несколько оснасток</translation>
    </message>
    <message>
        <location filename="../qml/pages/ConnectionPage.qml" line="66"/>
        <source>Connect directly:</source>
        <translation>Прямое соединение:</translation>
    </message>
    <message>
        <location filename="../qml/pages/ConnectionPage.qml" line="67"/>
        <source>A - B Connection</source>
        <translation>Соединение A - B</translation>
    </message>
    <message>
        <location filename="../qml/pages/ConnectionPage.qml" line="77"/>
        <source>Use 2 Fixtures A as THRU:</source>
        <translation>Две оснастки A как перемычка:</translation>
    </message>
    <message>
        <location filename="../qml/pages/ConnectionPage.qml" line="78"/>
        <source>A - A Connection</source>
        <translation>Соединение A - A</translation>
    </message>
    <message>
        <location filename="../qml/pages/ConnectionPage.qml" line="88"/>
        <source>Use 2 Fixtures B as THRU:</source>
        <translation>Две оснастки B как перемычка:</translation>
    </message>
    <message>
        <location filename="../qml/pages/ConnectionPage.qml" line="89"/>
        <source>B - B Connection</source>
        <translation>Соединение B - B</translation>
    </message>
    <message>
        <location filename="../qml/pages/ConnectionPage.qml" line="99"/>
        <source>CAL fixture and DUT fixture are different:</source>
        <translation>Калибровочная оснастка и оснастка ИУ различаются:</translation>
    </message>
    <message>
        <location filename="../qml/pages/ConnectionPage.qml" line="100"/>
        <source>CAL ≠ DUT</source>
        <translation>КАЛ ≠ ИУ</translation>
    </message>
</context>
<context>
    <name>CorrectionFileWriter</name>
    <message>
        <location filename="../app/exports/CorrectionFileWriter.cpp" line="28"/>
        <source>The frequency grid of VNA (%1Hz to %2Hz) reaches outside the band the fixture was measured in (%3Hz to %4Hz): measure the fixture again</source>
        <translation>Сетка частот ВАЦ (от %1Гц до %2Гц) выходит за полосу, в которой измерена оснастка (от %3Гц до %4Гц): измерьте оснастку снова</translation>
    </message>
    <message>
        <location filename="../app/exports/CorrectionFileWriter.cpp" line="33"/>
        <source>Cannot read the frequency grid from VNA</source>
        <translation>Не удается прочитать сетку частот ВАЦ</translation>
    </message>
    <message>
        <location filename="../app/exports/CorrectionFileWriter.cpp" line="50"/>
        <source>The reference impedance of the fixture port is unknown</source>
        <translation>Опорный импеданс порта оснастки неизвестен</translation>
    </message>
    <message>
        <location filename="../app/exports/CorrectionFileWriter.cpp" line="57"/>
        <source>The fixture data cannot be brought onto the frequency grid of VNA</source>
        <translation>Данные оснастки невозможно привести к сетке частот ВАЦ</translation>
    </message>
</context>
<context>
    <name>DeviceStateKeeper</name>
    <message>
        <location filename="../analyzer/state/DeviceStateKeeper.cpp" line="27"/>
        <source>trigger source</source>
        <translation>источник запуска</translation>
    </message>
    <message>
        <location filename="../analyzer/state/DeviceStateKeeper.cpp" line="29"/>
        <source>continuous sweep</source>
        <translation>непрерывный запуск</translation>
    </message>
    <message>
        <location filename="../analyzer/state/DeviceStateKeeper.cpp" line="31"/>
        <source>traces (%1)</source>
        <translation>графики (%1)</translation>
    </message>
    <message>
        <location filename="../analyzer/state/DeviceStateKeeper.cpp" line="33"/>
        <source>fixture simulator</source>
        <translation>симулятор оснастки</translation>
    </message>
    <message>
        <location filename="../analyzer/state/DeviceStateKeeper.cpp" line="35"/>
        <source>de-embedding</source>
        <translation>исключение оснастки</translation>
    </message>
    <message>
        <location filename="../analyzer/state/DeviceStateKeeper.cpp" line="37"/>
        <source>port impedances</source>
        <translation>импедансы портов</translation>
    </message>
    <message>
        <location filename="../analyzer/state/DeviceStateKeeper.cpp" line="197"/>
        <source>VNA did not load back the state it had before the measurement.</source>
        <translation>ВАЦ не загрузил обратно состояние, в котором был до измерения.</translation>
    </message>
    <message>
        <location filename="../analyzer/state/DeviceStateKeeper.cpp" line="199"/>
        <source>Set back as before: %1.</source>
        <translation>Возвращено как было: %1.</translation>
    </message>
    <message>
        <location filename="../analyzer/state/DeviceStateKeeper.cpp" line="201"/>
        <source>Not restored: %1.</source>
        <translation>Не восстановлено: %1.</translation>
    </message>
</context>
<context>
    <name>DutStepView</name>
    <message>
        <location filename="../qml/pages/DutStepView.qml" line="14"/>
        <source>Fixture with DUT</source>
        <translation>Оснастка с ИУ</translation>
    </message>
    <message>
        <location filename="../qml/pages/DutStepView.qml" line="19"/>
        <source>DUT</source>
        <translation>ИУ</translation>
    </message>
</context>
<context>
    <name>FixtureCharacterization</name>
    <message>
        <location filename="../qml/pages/FixtureCharacterization.qml" line="14"/>
        <source>Fixture characterization</source>
        <translation>Характеристики оснастки</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixtureCharacterization.qml" line="15"/>
        <source>Edit fixture characterization</source>
        <translation>Правка характеристик оснастки</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixtureCharacterization.qml" line="16"/>
        <source>&lt;h3&gt;Fixture characterization&lt;/h3&gt;&lt;p align=justify&gt;The impulse response gives the length of each fixture port, the gated response what the time gate keeps, the step response the impedance along the fixture, and the S-parameters the calculated fixture halves.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Характеристики оснастки&lt;/h3&gt;&lt;p align=justify&gt;Импульсная характеристика показывает длину каждого порта оснастки, стробированный отклик — то, что оставляет временной строб, переходная характеристика — импеданс вдоль оснастки, а S-параметры — рассчитанные половины оснастки.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixtureCharacterization.qml" line="42"/>
        <source>Length</source>
        <translation>Длина</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixtureCharacterization.qml" line="43"/>
        <source>Gating</source>
        <translation>Стробирование</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixtureCharacterization.qml" line="44"/>
        <source>Impedance</source>
        <translation>Импеданс</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixtureCharacterization.qml" line="45"/>
        <source>S-parameters</source>
        <translation>S-параметры</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixtureCharacterization.qml" line="46"/>
        <source>Log</source>
        <translation>Лог</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixtureCharacterization.qml" line="61"/>
        <location filename="../qml/pages/FixtureCharacterization.qml" line="68"/>
        <location filename="../qml/pages/FixtureCharacterization.qml" line="77"/>
        <source>Time (s)</source>
        <translation>Время (с)</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixtureCharacterization.qml" line="62"/>
        <location filename="../qml/pages/FixtureCharacterization.qml" line="69"/>
        <source>Magnitude (linear)</source>
        <translation>Амплитуда (линейная)</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixtureCharacterization.qml" line="78"/>
        <source>Impedance (Ω)</source>
        <translation>Импеданс (Ом)</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixtureCharacterization.qml" line="90"/>
        <source>Frequency (Hz)</source>
        <translation>Частота (Гц)</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixtureCharacterization.qml" line="91"/>
        <source>Magnitude (dB)</source>
        <translation>Амплитуда (дБ)</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixtureCharacterization.qml" line="99"/>
        <source>Length: the impulse response of each fixture port; the marker stands at the fixture length.
Gating: the response the time gate keeps.
Impedance: the step response; the marker stands at the reference length of the fixture impedance.
S-parameters: the calculated fixture halves.</source>
        <translation>Длина: импульсная характеристика каждого порта оснастки; маркер стоит на длине оснастки.
Стробирование: отклик, оставленный временным стробом.
Импеданс: переходная характеристика; маркер стоит на опорной длине для импеданса оснастки.
S-параметры: рассчитанные половины оснастки.</translation>
    </message>
</context>
<context>
    <name>FixtureDescription</name>
    <message>
        <location filename="../qml/pages/FixtureDescription.qml" line="27"/>
        <source>Fixture </source>
        <translation>Оснастка </translation>
    </message>
    <message>
        <location filename="../qml/pages/FixtureDescription.qml" line="34"/>
        <source>Num of ports</source>
        <translation>Число портов</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixtureDescription.qml" line="51"/>
        <source>FIXTURE </source>
        <translation>ОСНАСТКА </translation>
    </message>
    <message>
        <location filename="../qml/pages/FixtureDescription.qml" line="51"/>
        <source>IN</source>
        <translation>ВХ</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixtureDescription.qml" line="51"/>
        <source>OUT</source>
        <translation>ВЫХ</translation>
    </message>
</context>
<context>
    <name>FixturePage</name>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="34"/>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="35"/>
        <source>Configure fixtures</source>
        <translation>Настройка оснастки</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="37"/>
        <source>&lt;h3&gt;Description&lt;/h3&gt;&lt;p align=justify&gt;Enable the fixtures of each configuration and set how many ports each one has. Choose the method that calculates the fixture parameters, or recall a configuration saved earlier. The plug-in preset deletes all measured data and returns the plug-in to its initial state.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Описание&lt;/h3&gt;&lt;p align=justify&gt;Включите оснастки каждой конфигурации и задайте число портов каждой. Выберите метод расчета параметров оснастки или загрузите ранее сохраненную конфигурацию. Сброс программы удаляет все измеренные данные и возвращает программу в исходное состояние.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="89"/>
        <source>Available VNA ports: </source>
        <translation>Доступно портов ВАЦ: </translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="93"/>
        <source>Fixture ports: </source>
        <translation>Порты оснастки: </translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="99"/>
        <source>&lt;p align=justify&gt;VNA ports are not enough for the fixture connection. Further measurements will lead to incorrect results.&lt;/p&gt;</source>
        <translation>&lt;p align=justify&gt;Портов ВАЦ недостаточно для подключения оснастки. Дальнейшие измерения дадут неверные результаты.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="105"/>
        <source>Select the method for fixture parameters calculation</source>
        <translation>Выберите метод расчета параметров оснастки</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="109"/>
        <source>Method</source>
        <translation>Метод</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="113"/>
        <source>Time Gating</source>
        <translation>Временное стробирование</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="113"/>
        <source>Filtering</source>
        <translation>Фильтрация</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="113"/>
        <source>Bisection</source>
        <translation>Бисекция</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="120"/>
        <source>Recall the saved configuration setup where applicable</source>
        <translation>При необходимости загрузите сохраненную настройку</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="127"/>
        <source>Recall setup</source>
        <translation>Загрузка настройки</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="132"/>
        <location filename="../qml/pages/FixturePage.qml" line="149"/>
        <source>Plug-in preset</source>
        <translation>Сброс программы</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="140"/>
        <source>Open State File</source>
        <translation>Открыть файл состояния</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="141"/>
        <source>State files (*.sta)</source>
        <translation>Файлы состояния (*.sta)</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="150"/>
        <source>The preset deletes all measured data without saving it and returns the plug-in to its initial state. Perform the plug-in preset?</source>
        <translation>Сброс удалит все измеренные данные без сохранения и вернет программу в исходное состояние. Выполнить сброс программы?</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="152"/>
        <source>Perform</source>
        <translation>Выполнить</translation>
    </message>
    <message>
        <location filename="../qml/pages/FixturePage.qml" line="153"/>
        <source>Cancel</source>
        <translation>Отмена</translation>
    </message>
</context>
<context>
    <name>MainQmlBackend</name>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="177"/>
        <source>Remote control is not available: </source>
        <translation>Удаленное управление недоступно: </translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="211"/>
        <source>Correction</source>
        <translation>Коррекция</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="223"/>
        <source>Correction was applied</source>
        <translation>Коррекция применена</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="231"/>
        <source>Save correction</source>
        <translation>Сохранение коррекции</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="251"/>
        <source>Save correction files was performed: </source>
        <translation>Файлы коррекции сохранены: </translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="258"/>
        <source>Save the raw data</source>
        <translation>Сохранение исходных данных</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="265"/>
        <source>Save the raw data files was performed:</source>
        <translation>Файлы исходных данных сохранены:</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="273"/>
        <source>Save test mode parameters</source>
        <translation>Сохранение параметров тестового режима</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="281"/>
        <source>Save test mode parameters was performed:</source>
        <translation>Параметры тестового режима сохранены:</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="289"/>
        <source>Save setup</source>
        <translation>Сохранение настройки</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="293"/>
        <source>Save setup was performed: </source>
        <translation>Настройка сохранена: </translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="300"/>
        <source>Recall setup</source>
        <translation>Загрузка настройки</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="305"/>
        <source>Recall setup was performed: </source>
        <translation>Настройка загружена: </translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="312"/>
        <source>Plug-in preset</source>
        <translation>Сброс программы</translation>
    </message>
    <message>
        <location filename="../app/backend/MainQmlBackend.cpp" line="315"/>
        <source>Plug-in preset was performed</source>
        <translation>Сброс программы выполнен</translation>
    </message>
    <message>
        <location filename="../app/correction/CorrectionApplier.cpp" line="73"/>
        <source>VNA did not take the correction</source>
        <translation>ВАЦ не принял коррекцию</translation>
    </message>
    <message>
        <location filename="../app/exports/ExportTexts.h" line="11"/>
        <source>There is no calculated data</source>
        <translation>Нет рассчитанных данных</translation>
    </message>
    <message>
        <location filename="../app/exports/ExportTexts.h" line="16"/>
        <source>File cannot be created. Path name contains invalid symbols</source>
        <translation>Не удается создать файл. Путь содержит недопустимые символы</translation>
    </message>
    <message>
        <location filename="../app/exports/ExportTexts.h"/>
        <source>The folder &quot;%1&quot; does not exist</source>
        <translation>Папка «%1» не существует</translation>
    </message>
    <message>
        <location filename="../app/exports/ExportTexts.h"/>
        <source>&quot;%1&quot; is not a folder</source>
        <translation>«%1» не является папкой</translation>
    </message>
    <message>
        <location filename="../app/exports/ExportTexts.h"/>
        <source>The folder &quot;%1&quot; cannot be written: %2</source>
        <translation>В папку «%1» нельзя записать: %2</translation>
    </message>
    <message>
        <location filename="../app/exports/ExportTexts.h"/>
        <source>Permission denied</source>
        <translation>Отказано в доступе</translation>
    </message>
    <message>
        <location filename="../app/exports/ExportTexts.h"/>
        <source>No such file or folder</source>
        <translation>Нет такого файла или папки</translation>
    </message>
    <message>
        <location filename="../app/exports/ExportTexts.h"/>
        <source>Read-only file system</source>
        <translation>Файловая система доступна только для чтения</translation>
    </message>
    <message>
        <location filename="../app/exports/ExportTexts.h"/>
        <source>No space left on the disk</source>
        <translation>На диске не осталось места</translation>
    </message>
    <message>
        <location filename="../app/exports/ExportTexts.h"/>
        <source>A file of that name exists</source>
        <translation>Файл с таким именем уже существует</translation>
    </message>
    <message>
        <location filename="../app/exports/ExportTexts.h"/>
        <source>Is a folder</source>
        <translation>Это папка</translation>
    </message>
    <message>
        <location filename="../app/exports/ExportTexts.h"/>
        <source>The reference impedance of the fixture port is unknown</source>
        <translation>Опорный импеданс порта оснастки неизвестен</translation>
    </message>
</context>
<context>
    <name>MeasureFixturePage</name>
    <message>
        <location filename="../qml/pages/MeasureFixturePage.qml" line="29"/>
        <source>Fixture measurement</source>
        <translation>Измерение оснастки</translation>
    </message>
    <message>
        <location filename="../qml/pages/MeasureFixturePage.qml" line="30"/>
        <source>Measure or recall the fixture according to the selected connections</source>
        <translation>Измерьте или загрузите оснастку согласно выбранным соединениям</translation>
    </message>
    <message>
        <location filename="../qml/pages/MeasureFixturePage.qml" line="34"/>
        <source>&lt;h3&gt;Fixture measurement&lt;/h3&gt;&lt;p align=justify&gt;Connect the fixtures as each step shows and measure its standards on the analyzer, or recall them from Touchstone files. The results give the length and impedance of every fixture port; offsets move the calibration plane of a fixture.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Измерение оснастки&lt;/h3&gt;&lt;p align=justify&gt;Подключите оснастки, как показано на каждом шаге, и измерьте меры на анализаторе или загрузите их из файлов Touchstone. Результаты дают длину и импеданс каждого порта оснастки; смещения переносят плоскость калибровки оснастки.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../qml/pages/MeasureFixturePage.qml" line="64"/>
        <source>Step %1 of %2</source>
        <translation>Шаг %1 из %2</translation>
    </message>
    <message>
        <location filename="../qml/pages/MeasureFixturePage.qml" line="76"/>
        <source>Step is complete</source>
        <translation>Шаг выполнен</translation>
    </message>
    <message>
        <location filename="../qml/pages/MeasureFixturePage.qml" line="77"/>
        <source>Step is not complete</source>
        <translation>Шаг не выполнен</translation>
    </message>
</context>
<context>
    <name>NoltStepsPage</name>
    <message>
        <location filename="../qml/NoltStepsPage.qml" line="165"/>
        <source>fixture measurements</source>
        <translation>измерениям оснастки</translation>
    </message>
    <message>
        <location filename="../qml/NoltStepsPage.qml" line="173"/>
        <source>main application</source>
        <translation>основному окну</translation>
    </message>
</context>
<context>
    <name>QObject</name>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="55"/>
        <source>a</source>
        <translation>а</translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="55"/>
        <source>f</source>
        <translation>ф</translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="55"/>
        <source>p</source>
        <translation>п</translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="56"/>
        <source>n</source>
        <translation>н</translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="56"/>
        <source>µ</source>
        <translation>мк</translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="56"/>
        <source>m</source>
        <translation>м</translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="57"/>
        <source>k</source>
        <translation>к</translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="57"/>
        <source>M</source>
        <translation>М</translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="58"/>
        <source>G</source>
        <translation>Г</translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="58"/>
        <source>T</source>
        <translation>Т</translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="58"/>
        <source>P</source>
        <translation>П</translation>
    </message>
    <message>
        <location filename="../app/formatting/UnitPrefixTable.cpp" line="59"/>
        <source>E</source>
        <translation>Э</translation>
    </message>
</context>
<context>
    <name>ReflectionStepView</name>
    <message>
        <location filename="../qml/pages/ReflectionStepView.qml" line="19"/>
        <source>1xReflect setup</source>
        <translation>Схема 1xReflect</translation>
    </message>
    <message>
        <location filename="../qml/pages/ReflectionStepView.qml" line="32"/>
        <source>Open</source>
        <translation>ХХ</translation>
    </message>
    <message>
        <location filename="../qml/pages/ReflectionStepView.qml" line="47"/>
        <source>Short</source>
        <translation>КЗ</translation>
    </message>
    <message>
        <location filename="../qml/pages/ReflectionStepView.qml" line="55"/>
        <source>Delete data</source>
        <translation>Удалить данные</translation>
    </message>
    <message>
        <location filename="../qml/pages/ReflectionStepView.qml" line="61"/>
        <source>Use compensation of</source>
        <translation>Компенсировать</translation>
    </message>
    <message>
        <location filename="../qml/pages/ReflectionStepView.qml" line="61"/>
        <source>the max signal by</source>
        <translation>максимум сигнала</translation>
    </message>
    <message>
        <location filename="../qml/pages/ReflectionStepView.qml" line="61"/>
        <source>the spline approximation</source>
        <translation>сплайн-аппроксимацией</translation>
    </message>
    <message>
        <location filename="../qml/pages/ReflectionStepView.qml" line="75"/>
        <source>Apply fixture
calibration plane offset</source>
        <translation>Применить смещение
плоскости калибровки оснастки</translation>
    </message>
    <message>
        <location filename="../qml/pages/ReflectionStepView.qml" line="88"/>
        <source>ps</source>
        <translation>пс</translation>
    </message>
    <message>
        <location filename="../qml/pages/ReflectionStepView.qml" line="94"/>
        <source>Edit characterization</source>
        <translation>Правка характеристик</translation>
    </message>
</context>
<context>
    <name>SaveCorrectionPage</name>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="31"/>
        <source>Results</source>
        <translation>Результаты</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="32"/>
        <source>Apply and save measurement and calculation results</source>
        <translation>Примените и сохраните результаты измерений и расчетов</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="33"/>
        <source>&lt;h3&gt;Results&lt;/h3&gt;&lt;p align=justify&gt;Apply sends the calculated fixtures to the VNA software, which de-embeds them from the measurements. The correction files hold one Touchstone file per fixture port, named by the chosen name and the VNA port. The setup file restores the plug-in and the VNA later; the raw data are the measured standards.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Результаты&lt;/h3&gt;&lt;p align=justify&gt;«Применить» передает рассчитанные оснастки в программу ВАЦ, которая исключает их из измерений. Файлы коррекции — это по одному файлу Touchstone на порт оснастки с выбранным именем и номером порта ВАЦ. Файл настройки позже восстанавливает программу и ВАЦ; исходные данные — это измеренные меры.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="48"/>
        <source>Apply results</source>
        <translation>Применение результатов</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="52"/>
        <source>To transmit the calculated</source>
        <translation>Передать рассчитанные</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="52"/>
        <source> data to the VNA software
</source>
        <translation> данные в программу ВАЦ
</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="53"/>
        <source>and apply them for de-embedding</source>
        <translation>и применить их для исключения оснастки</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="58"/>
        <source>Apply</source>
        <translation>Применить</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="65"/>
        <source>Save correction files (.sNp)</source>
        <translation>Сохранение файлов коррекции (.sNp)</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="69"/>
        <source>For future use if desired</source>
        <translation>Для дальнейшего использования</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="74"/>
        <source>Save correction files...</source>
        <translation>Сохранить файлы коррекции...</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="80"/>
        <source>Save setup</source>
        <translation>Сохранение настройки</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="84"/>
        <source>To save the current Noltworks</source>
        <translation>Сохранить текущие настройки</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="84"/>
        <source> settings
NOLT &amp; VNA configuration files</source>
        <translation> Noltworks
в файлах конфигурации NOLT и ВАЦ</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="89"/>
        <source>Save setup...</source>
        <translation>Сохранить настройку...</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="95"/>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="104"/>
        <source>Save raw data</source>
        <translation>Сохранение исходных данных</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="99"/>
        <source>To save the raw data</source>
        <translation>Сохранить исходные данные</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="115"/>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="131"/>
        <source>Save Files</source>
        <translation>Сохранить файлы</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="116"/>
        <source>Touchstone files (*.s2p)</source>
        <translation>Файлы Touchstone (*.s2p)</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="123"/>
        <source>Save State File</source>
        <translation>Сохранить файл состояния</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="124"/>
        <source>State files (*.sta)</source>
        <translation>Файлы состояния (*.sta)</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="132"/>
        <source>Raw data files</source>
        <translation>Файлы исходных данных</translation>
    </message>
    <message>
        <location filename="../qml/pages/SaveCorrectionPage.qml" line="133"/>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
</context>
<context>
    <name>SettingsPage</name>
    <message>
        <location filename="../qml/SettingsPage.qml" line="21"/>
        <source>SETTINGS</source>
        <translation>НАСТРОЙКИ</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="22"/>
        <source>plug-in</source>
        <translation>программе</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="62"/>
        <source>General</source>
        <translation>Общие</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="69"/>
        <source>Dark theme</source>
        <translation>Темная тема</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="79"/>
        <source>Show hover help</source>
        <translation>Показывать подсказки</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="87"/>
        <source>Save user setup</source>
        <translation>Сохранять настройку пользователя</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="98"/>
        <source>VNA Network</source>
        <translation>Сеть ВАЦ</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="104"/>
        <source>IP</source>
        <translation>IP</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="119"/>
        <location filename="../qml/SettingsPage.qml" line="163"/>
        <source>Port</source>
        <translation>Порт</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="135"/>
        <location filename="../qml/SettingsPage.qml" line="181"/>
        <source>Default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="148"/>
        <source>Network remote control settings</source>
        <translation>Удаленное управление по сети</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="157"/>
        <source>Socket server</source>
        <translation>Сокет-сервер</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="192"/>
        <source>Display propeties</source>
        <translation>Свойства экрана</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="201"/>
        <source>Small</source>
        <translation>Мелкий</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="202"/>
        <source>Medium</source>
        <translation>Средний</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="203"/>
        <source>Large</source>
        <translation>Крупный</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="228"/>
        <source>Restart required</source>
        <translation>Требуется перезапуск</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="229"/>
        <source>The display scaling change will take effect after restart.</source>
        <translation>Изменение масштаба вступит в силу после перезапуска.</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="230"/>
        <source>Restart now</source>
        <translation>Перезапустить</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="231"/>
        <source>Later</source>
        <translation>Позже</translation>
    </message>
    <message>
        <location filename="../qml/SettingsPage.qml" line="51"/>
        <source>Port %1 cannot be used (%2); port %3 stays in use.</source>
        <translation>Порт %1 недоступен (%2); по-прежнему используется порт %3.</translation>
    </message>
</context>
<context>
    <name>PortField</name>
    <message>
        <location filename="../qml/PortField.qml" line="59"/>
        <source>A port is a whole number from 1 to 65535; port %1 stays in use.</source>
        <translation>Порт — целое число от 1 до 65535; по-прежнему используется порт %1.</translation>
    </message>
</context>
<context>
    <name>SetupFileRecaller</name>
    <message>
        <location filename="../app/setupfiles/SetupFileRecaller.cpp" line="62"/>
        <source>Open file</source>
        <translation>Открыть файл</translation>
    </message>
    <message>
        <location filename="../app/setupfiles/SetupFileRecaller.cpp" line="67"/>
        <location filename="../app/setupfiles/SetupFileRecaller.cpp" line="81"/>
        <location filename="../app/setupfiles/SetupFileRecaller.cpp" line="98"/>
        <source>Cannot recall state file: </source>
        <translation>Не удается загрузить файл состояния: </translation>
    </message>
    <message>
        <location filename="../app/setupfiles/SetupFileRecaller.cpp" line="75"/>
        <source>Not enough number of ports</source>
        <translation>Недостаточно портов</translation>
    </message>
</context>
<context>
    <name>SetupFileSaver</name>
    <message>
        <location filename="../app/setupfiles/SetupFileSaver.cpp" line="79"/>
        <location filename="../app/setupfiles/SetupFileSaver.cpp" line="100"/>
        <source>Cannot read state file: </source>
        <translation>Не удается прочитать файл состояния: </translation>
    </message>
    <message>
        <location filename="../app/setupfiles/SetupFileSaver.cpp" line="85"/>
        <source>Cannot read the type of saving state file from VNA</source>
        <translation>Не удается прочитать из ВАЦ тип сохраняемого файла состояния</translation>
    </message>
    <message>
        <location filename="../app/setupfiles/SetupFileSaver.cpp"/>
        <source>The path &quot;%1&quot; cannot be passed to VNA: it holds a control character or &quot;;&quot;</source>
        <translation>Путь «%1» нельзя передать ВАЦ: в нем есть управляющий символ или «;»</translation>
    </message>
    <message>
        <location filename="../app/setupfiles/SetupFileSaver.cpp"/>
        <source>The file &quot;%1&quot; cannot be written: %2</source>
        <translation>В файл «%1» нельзя записать: %2</translation>
    </message>
</context>
<context>
    <name>SetupTabs</name>
    <message>
        <location filename="../qml/pages/SetupTabs.qml" line="26"/>
        <source>Configuration </source>
        <translation>Конфигурация </translation>
    </message>
</context>
<context>
    <name>SetupVnaPage</name>
    <message>
        <location filename="../qml/pages/SetupVnaPage.qml" line="24"/>
        <source>VNA setup</source>
        <translation>Настройка ВАЦ</translation>
    </message>
    <message>
        <location filename="../qml/pages/SetupVnaPage.qml" line="25"/>
        <source>Review the current VNA settings</source>
        <translation>Проверьте текущие настройки ВАЦ</translation>
    </message>
    <message>
        <location filename="../qml/pages/SetupVnaPage.qml" line="27"/>
        <source>&lt;h3&gt;VNA setup&lt;/h3&gt;&lt;p align=justify&gt;The table compares the sweep settings of the active channel with the ones the calculation needs; values can be edited here. The low pass mode (start frequency equal to the frequency step) gives the step response and the fixture impedance, and allows converting the results to another reference impedance.&lt;/p&gt;</source>
        <translation>&lt;h3&gt;Настройка ВАЦ&lt;/h3&gt;&lt;p align=justify&gt;В таблице настройки развертки активного канала сравниваются с требуемыми для расчета; значения можно изменить здесь. Режим нижних частот (начальная частота равна шагу частоты) дает переходную характеристику и импеданс оснастки и позволяет пересчитать результаты к другому опорному импедансу.&lt;/p&gt;</translation>
    </message>
    <message>
        <location filename="../qml/pages/SetupVnaPage.qml" line="73"/>
        <source>Current mode:</source>
        <translation>Текущий режим:</translation>
    </message>
    <message>
        <location filename="../qml/pages/SetupVnaPage.qml" line="77"/>
        <source>Low pass (Fstart=Fstep)</source>
        <translation>Нижние частоты (Fstart=Fstep)</translation>
    </message>
    <message>
        <location filename="../qml/pages/SetupVnaPage.qml" line="77"/>
        <source>Band pass (Fstart≠Fstep)</source>
        <translation>Полосовой (Fstart≠Fstep)</translation>
    </message>
    <message>
        <location filename="../qml/pages/SetupVnaPage.qml" line="85"/>
        <source>Ignore low pass</source>
        <translation>Не требовать режим НЧ</translation>
    </message>
    <message>
        <location filename="../qml/pages/SetupVnaPage.qml" line="96"/>
        <source>Click to set low pass mode:</source>
        <translation>Установить режим нижних частот:</translation>
    </message>
    <message>
        <location filename="../qml/pages/SetupVnaPage.qml" line="100"/>
        <source>Low pass mode</source>
        <translation>Режим нижних частот</translation>
    </message>
    <message>
        <location filename="../qml/pages/SetupVnaPage.qml" line="105"/>
        <source>10 MHz low pass mode</source>
        <translation>Режим НЧ от 10 МГц</translation>
    </message>
    <message>
        <location filename="../qml/pages/SetupVnaPage.qml" line="115"/>
        <source>After removal set
VNA cal reference Zo to:</source>
        <translation>После исключения установить
опорный Zo калибровки ВАЦ:</translation>
    </message>
    <message>
        <location filename="../qml/pages/SetupVnaPage.qml" line="118"/>
        <source>System</source>
        <translation>Системный</translation>
    </message>
    <message>
        <location filename="../qml/pages/SetupVnaPage.qml" line="118"/>
        <source>Fixture</source>
        <translation>Оснастки</translation>
    </message>
    <message>
        <location filename="../qml/pages/SetupVnaPage.qml" line="118"/>
        <source>Custom</source>
        <translation>Другой</translation>
    </message>
    <message>
        <location filename="../qml/pages/SetupVnaPage.qml" line="133"/>
        <source>Custom Zo</source>
        <translation>Свой Zo</translation>
    </message>
    <message>
        <location filename="../qml/pages/SetupVnaPage.qml" line="152"/>
        <source>Ω</source>
        <translation>Ом</translation>
    </message>
    <message>
        <location filename="../qml/pages/SetupVnaPage.qml" line="151"/>
        <source>VNA preset</source>
        <translation>Сброс ВАЦ</translation>
    </message>
</context>
<context>
    <name>SetupVnaTableModel</name>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="79"/>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="163"/>
        <source>Hz</source>
        <translation>Гц</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="93"/>
        <source>Sweep type</source>
        <translation>Тип развертки</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="99"/>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="109"/>
        <source>Linear freq</source>
        <translation>Линейная</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="101"/>
        <source>Log freq</source>
        <translation>Логарифмическая</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="103"/>
        <source>Segment freq</source>
        <translation>Сегментная</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="105"/>
        <source>Power freq</source>
        <translation>По мощности</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="113"/>
        <source>The plug-in does not support this sweep type, change it to linear.</source>
        <translation>Программа не поддерживает этот тип развертки, смените его на линейный.</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="127"/>
        <source>The plug-in is not able to calculate the fixture parameters at a single frequency.  Set the start and stop frequencies to differ.</source>
        <translation>Программа не может рассчитать параметры оснастки на одной частоте. Задайте разные начальную и конечную частоты.</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="129"/>
        <source>Start %1 Stop</source>
        <translation>Начальная %1 конечной</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="131"/>
        <source>Start frequency</source>
        <translation>Начальная частота</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="136"/>
        <source>Stop frequency</source>
        <translation>Конечная частота</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="144"/>
        <source>Sweep points</source>
        <translation>Число точек</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="155"/>
        <source>Step frequency</source>
        <translation>Шаг частоты</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="160"/>
        <source>IF bandwidth</source>
        <translation>Полоса ПЧ</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="170"/>
        <source>It is recommended to use an IF bandwidth value below 10 kHz to reduce the impact of VNA trace noise.</source>
        <translation>Рекомендуется полоса ПЧ ниже 10 кГц, чтобы уменьшить влияние шума графиков ВАЦ.</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="178"/>
        <source>Output power</source>
        <translation>Выходная мощность</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="182"/>
        <source>dBm</source>
        <translation>дБм</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="184"/>
        <source>-30 to 0 dBm</source>
        <translation>от -30 до 0 дБм</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="192"/>
        <source>It is recommended to stay within -30 to 0 dBm of the output power range to achieve stable results.</source>
        <translation>Для устойчивых результатов рекомендуется выходная мощность в пределах от -30 до 0 дБм.</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="211"/>
        <source>The plug-in cannot correctly calculate the fixture parameters for the number of points below 10.</source>
        <translation>Программа не может правильно рассчитать параметры оснастки при числе точек меньше 10.</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="227"/>
        <source>It is recommended to use 100 or more sweep points to achieve stable results.</source>
        <translation>Для устойчивых результатов рекомендуется 100 и более точек развертки.</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="241"/>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="273"/>
        <source>Error</source>
        <translation>Ошибка</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="260"/>
        <source>The low pass mode requires that the start frequency is equal to the step frequency. Set sweep points to the recommended value.</source>
        <translation>Режим нижних частот требует, чтобы начальная частота была равна шагу частоты. Задайте рекомендуемое число точек.</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp" line="285"/>
        <source>The low pass mode requires that the start frequency is equal to the step frequency. Disable the low pass check to ignore it.</source>
        <translation>Режим нижних частот требует, чтобы начальная частота была равна шагу частоты. Отключите проверку режима НЧ, чтобы не учитывать это.</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp"/>
        <source>%1 is not a frequency</source>
        <translation>%1 — не частота</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp"/>
        <source>%1 is above the analyzer&apos;s highest frequency, %2</source>
        <translation>%1 выше наибольшей частоты анализатора, %2</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp"/>
        <source>The stop frequency cannot be below the start frequency, %1</source>
        <translation>Конечная частота не может быть ниже начальной, %1</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp"/>
        <source>The analyzer did not take %1 and keeps %2</source>
        <translation>Анализатор не принял %1 и оставил %2</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp"/>
        <source>The analyzer took %1 instead of %2</source>
        <translation>Анализатор принял %1 вместо %2</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp"/>
        <source>%1 is not a whole positive number of points</source>
        <translation>%1 — не целое положительное число точек</translation>
    </message>
    <message>
        <location filename="../app/checks/SetupVnaTableModel.cpp"/>
        <source>%1 is not a power in dBm</source>
        <translation>%1 — не мощность в дБм</translation>
    </message>
</context>
<context>
    <name>StandardRow</name>
    <message>
        <location filename="../qml/pages/StandardRow.qml" line="31"/>
        <source>Measure</source>
        <translation>Измерить</translation>
    </message>
    <message>
        <location filename="../qml/pages/StandardRow.qml" line="36"/>
        <source>Recall</source>
        <translation>Загрузить</translation>
    </message>
</context>
<context>
    <name>Startup</name>
    <message>
        <location filename="../app/startup/TerminateHandler.cpp" line="29"/>
        <source>The NOLT faces a problem, please restart application or contact your Administrator.</source>
        <translation>В работе NOLT возникла проблема: перезапустите приложение или обратитесь к администратору.</translation>
    </message>
</context>
<context>
    <name>StepConnection</name>
    <message>
        <location filename="../qml/pages/StepConnection.qml" line="21"/>
        <source>Connection %1. DUT in-fixture measurement setup</source>
        <translation>Соединение %1. Схема измерения ИУ в оснастке</translation>
    </message>
    <message>
        <location filename="../qml/pages/StepConnection.qml" line="22"/>
        <source>Connection </source>
        <translation>Соединение </translation>
    </message>
    <message>
        <location filename="../qml/pages/StepConnection.qml" line="23"/>
        <source>Transmission measurement&lt;br&gt;2xThrough method</source>
        <translation>Измерение передачи&lt;br&gt;метод 2xThrough</translation>
    </message>
    <message>
        <location filename="../qml/pages/StepConnection.qml" line="24"/>
        <source>Reflection measurement&lt;br&gt;1xReflect method</source>
        <translation>Измерение отражения&lt;br&gt;метод 1xReflect</translation>
    </message>
    <message>
        <location filename="../qml/pages/StepConnection.qml" line="55"/>
        <source>Ports: </source>
        <translation>Порты: </translation>
    </message>
</context>
<context>
    <name>TestModePage</name>
    <message>
        <location filename="../qml/TestModePage.qml" line="13"/>
        <location filename="../qml/TestModePage.qml" line="14"/>
        <source>Test Mode</source>
        <translation>Тестовый режим</translation>
    </message>
    <message>
        <location filename="../qml/TestModePage.qml" line="16"/>
        <source>The test mode uses the edited time-domain parameters of the table in every calculation. Switched off, the calculations use the default parameters. Save writes the parameters and the measured fixture data as test-mode files.</source>
        <translation>В тестовом режиме во всех расчетах используются измененные параметры временной области из таблицы. При выключенном режиме используются параметры по умолчанию. «Сохранить» записывает параметры и измеренные данные оснастки в файлы тестового режима.</translation>
    </message>
    <message>
        <location filename="../qml/TestModePage.qml" line="36"/>
        <source>Test mode</source>
        <translation>Тестовый режим</translation>
    </message>
    <message>
        <location filename="../qml/TestModePage.qml" line="44"/>
        <source>Set default</source>
        <translation>По умолчанию</translation>
    </message>
    <message>
        <location filename="../qml/TestModePage.qml" line="51"/>
        <source>Save</source>
        <translation>Сохранить</translation>
    </message>
    <message>
        <location filename="../qml/TestModePage.qml" line="66"/>
        <source>Dir for save the test mode files</source>
        <translation>Папка для файлов тестового режима</translation>
    </message>
    <message>
        <location filename="../qml/TestModePage.qml" line="67"/>
        <source>Test mode files</source>
        <translation>Файлы тестового режима</translation>
    </message>
    <message>
        <location filename="../qml/TestModePage.qml" line="68"/>
        <source>All files</source>
        <translation>Все файлы</translation>
    </message>
</context>
<context>
    <name>FileDialogPresentation</name>
    <message numerus="yes">
        <location filename="../app/startup/FileDialogPresentation.cpp"/>
        <source>%n bytes</source>
        <translation>
            <numerusform>%n байт</numerusform>
            <numerusform>%n байта</numerusform>
            <numerusform>%n байт</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>TestModeTableModel</name>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="79"/>
        <source>Parameter</source>
        <translation>Параметр</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="81"/>
        <source>Value</source>
        <translation>Значение</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="83"/>
        <source>Description</source>
        <translation>Описание</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="100"/>
        <source>BAND</source>
        <translation>ПОЛОСА</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="100"/>
        <source>LOW</source>
        <translation>НЧ</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="101"/>
        <source>Low pass: Fstart = Fstep Band pass: Fstart ≠ Fstep</source>
        <translation>Нижние частоты: Fstart = Fstep Полосовой: Fstart ≠ Fstep</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="102"/>
        <source>Length</source>
        <translation>Длина</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="102"/>
        <source>Calculated fixture delay</source>
        <translation>Рассчитанная задержка оснастки</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="104"/>
        <source>4 x Rise time</source>
        <translation>4 x Время нарастания</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="105"/>
        <source>4 * Nrt / max (F)</source>
        <translation>4 * Nrt / max (F)</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="107"/>
        <source>Rise time</source>
        <translation>Время нарастания</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="108"/>
        <source>Nrt / max (F)</source>
        <translation>Nrt / max (F)</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="111"/>
        <source>Coefficient N</source>
        <translation>Коэффициент N</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="111"/>
        <source>For gating window width calculation</source>
        <translation>Для расчета ширины окна строба</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="118"/>
        <source>Coefficient Nrt</source>
        <translation>Коэффициент Nrt</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="118"/>
        <source>For rise time calculation</source>
        <translation>Для расчета времени нарастания</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="123"/>
        <source>Min gate time</source>
        <translation>Мин. время строба</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="124"/>
        <source>Minus Calculated Fixture Delay </source>
        <translation>Минус рассчитанная задержка оснастки </translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="133"/>
        <source>Kaiser Beta X</source>
        <translation>Бета Кайзера X</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="134"/>
        <source>Windowing to reduce effects of truncation</source>
        <translation>Окно для ослабления эффектов усечения</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="137"/>
        <source>Kaiser Beta</source>
        <translation>Бета Кайзера</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="137"/>
        <source>Gating window</source>
        <translation>Окно строба</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="141"/>
        <source>Step response start</source>
        <translation>Начало переходной характеристики</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="145"/>
        <source>-0.5 /(F(2)-F(1))</source>
        <translation>-0.5 /(F(2)-F(1))</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="151"/>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="157"/>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="163"/>
        <source>BASE</source>
        <translation>БАЗА</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="151"/>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="152"/>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="157"/>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="163"/>
        <source>MEAS</source>
        <translation>ИЗМ</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="155"/>
        <source>Low signal center mode</source>
        <translation>Центрирование слабого сигнала</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="156"/>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="162"/>
        <source>To reduce edge effects</source>
        <translation>Для ослабления краевых эффектов</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp" line="161"/>
        <source>High signal center mode</source>
        <translation>Центрирование сильного сигнала</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp"/>
        <source>Mode</source>
        <translation>Режим</translation>
    </message>
    <message>
        <location filename="../app/testmode/TestModeTableModel.cpp"/>
        <source>s</source>
        <translation>с</translation>
    </message>
</context>
<context>
    <name>TransmissionStepView</name>
    <message>
        <location filename="../qml/pages/TransmissionStepView.qml" line="23"/>
        <source>2xThrough method</source>
        <translation>Метод 2xThrough</translation>
    </message>
    <message>
        <location filename="../qml/pages/TransmissionStepView.qml" line="29"/>
        <source>Thru</source>
        <translation>Перемычка</translation>
    </message>
    <message>
        <location filename="../qml/pages/TransmissionStepView.qml" line="36"/>
        <source>Open</source>
        <translation>ХХ</translation>
    </message>
    <message>
        <location filename="../qml/pages/TransmissionStepView.qml" line="43"/>
        <source>Short</source>
        <translation>КЗ</translation>
    </message>
    <message>
        <location filename="../qml/pages/TransmissionStepView.qml" line="50"/>
        <source>Delete data</source>
        <translation>Удалить данные</translation>
    </message>
    <message>
        <location filename="../qml/pages/TransmissionStepView.qml" line="73"/>
        <source>Apply fixture 
%1
calibration plane offset</source>
        <translation>Применить смещение
плоскости калибровки
оснастки %1</translation>
    </message>
    <message>
        <location filename="../qml/pages/TransmissionStepView.qml" line="94"/>
        <source>ps</source>
        <translation>пс</translation>
    </message>
    <message>
        <location filename="../qml/pages/TransmissionStepView.qml" line="102"/>
        <source>Apply fixture 
%1
calibration plane offset
using reflects, ps</source>
        <translation>Применить смещение
плоскости калибровки
оснастки %1
по отражениям, пс</translation>
    </message>
    <message>
        <location filename="../qml/pages/TransmissionStepView.qml" line="117"/>
        <source>Edit characterization</source>
        <translation>Правка характеристик</translation>
    </message>
</context>
<context>
    <name>WaitingPage</name>
    <message>
        <location filename="../qml/WaitingPage.qml" line="17"/>
        <source>Waiting for VNA</source>
        <translation>Ожидание ВАЦ</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="33"/>
        <source>1. Make sure that VNA sofware is launched.</source>
        <translation>1. Убедитесь, что программа ВАЦ запущена.</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="34"/>
        <source>2. Make sure that the Socket Server of VNA software is On:</source>
        <translation>2. Убедитесь, что сокет-сервер программы ВАЦ включен:</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="35"/>
        <source>System -&gt; Misc Setup -&gt; Network Remote Control Settings -&gt; Socket Server ON</source>
        <translation>System -&gt; Misc Setup -&gt; Network Remote Control Settings -&gt; Socket Server ON</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="36"/>
        <source>3. During measurement with the sweep time exceeding 30 seconds per sweep:</source>
        <translation>3. При измерениях со временем развертки более 30 секунд:</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="37"/>
        <source>Make sure that VNA software is still running at the given settings.</source>
        <translation>Убедитесь, что программа ВАЦ работает с заданными настройками.</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="38"/>
        <source>Wait for VNA software to collect all the required data and update traces.</source>
        <translation>Дождитесь, пока программа ВАЦ соберет все данные и обновит графики.</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="40"/>
        <source>Note that the Sweep Progress Field of VNA software, located in the Channel Status Bar,</source>
        <translation>Обратите внимание: поле хода развертки программы ВАЦ в строке состояния канала</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="41"/>
        <source>displays a progress bar when the channel data is being updated.</source>
        <translation>показывает индикатор, пока данные канала обновляются.</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="42"/>
        <source>If the Sweep Progress Field freezes, wait for a minute and re-start VNA software.</source>
        <translation>Если поле хода развертки застыло, подождите минуту и перезапустите программу ВАЦ.</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="43"/>
        <source>To display Sweep Time in the instrument status bar:</source>
        <translation>Чтобы показать время развертки в строке состояния прибора:</translation>
    </message>
    <message>
        <location filename="../qml/WaitingPage.qml" line="44"/>
        <source>Display -&gt; Properties -&gt; Cycle Time ON</source>
        <translation>Display -&gt; Properties -&gt; Cycle Time ON</translation>
    </message>
</context>
<context>
    <name>main</name>
    <message>
        <location filename="../qml/main.qml" line="19"/>
        <source>Varnel Noltworks</source>
        <translation>Varnel Noltworks</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="35"/>
        <source>VNA NOT CONNECTED</source>
        <translation>ВАЦ НЕ ПОДКЛЮЧЕН</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="38"/>
        <source>VNA CONNECTED NOT READY</source>
        <translation>ВАЦ ПОДКЛЮЧЕН, НЕ ГОТОВ</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="158"/>
        <source>No new notifications</source>
        <translation>Нет новых уведомлений</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="205"/>
        <source>Clear all notifications</source>
        <translation>Удалить все уведомления</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="248"/>
        <source>BACK</source>
        <translation>НАЗАД</translation>
    </message>
    <message>
        <location filename="../qml/main.qml" line="256"/>
        <source>NEXT</source>
        <translation>ДАЛЕЕ</translation>
    </message>
</context>
<context>
    <name>TestModeExport</name>
    <message>
        <location filename="../app/exports/TestModeExport.cpp"/>
        <source>%1 saved</source>
        <translation>%1: сохранено</translation>
    </message>
</context>
<context>
    <name>TaskProgress</name>
    <message>
        <location filename="../measurement/progress/TaskProgress.cpp"/>
        <source>Finished</source>
        <translation>Завершено</translation>
    </message>
</context>
<context>
    <name>Step</name>
    <message>
        <location filename="../measurement/steps/Step.cpp"/>
        <source>Save device state</source>
        <translation>Сохранение состояния ВАЦ</translation>
    </message>
    <message>
        <location filename="../measurement/steps/Step.cpp"/>
        <source>Restore device state</source>
        <translation>Восстановление состояния ВАЦ</translation>
    </message>
    <message>
        <location filename="../measurement/steps/Step.cpp"/>
        <source>A measurement is already running</source>
        <translation>Измерение уже выполняется</translation>
    </message>
    <message>
        <location filename="../measurement/steps/Step.cpp"/>
        <source>The correction method or the analyzer ports changed as the measurement began: measure again</source>
        <translation>Метод коррекции или порты анализатора изменились в начале измерения: повторите измерение</translation>
    </message>
    <message>
        <location filename="../measurement/steps/Step.cpp"/>
        <source>Read file</source>
        <translation>Чтение файла</translation>
    </message>
</context>
<context>
    <name>TransmissionStep</name>
    <message>
        <location filename="../measurement/steps/TransmissionStep.cpp"/>
        <source>Transmission</source>
        <translation>Передача</translation>
    </message>
    <message>
        <location filename="../measurement/steps/TransmissionStep.cpp"/>
        <source>Transmission Open</source>
        <translation>Передача, ХХ</translation>
    </message>
    <message>
        <location filename="../measurement/steps/TransmissionStep.cpp"/>
        <source>Transmission Short</source>
        <translation>Передача, КЗ</translation>
    </message>
    <message>
        <location filename="../measurement/steps/TransmissionStep.cpp"/>
        <source>Transmission offset</source>
        <translation>Смещение передачи</translation>
    </message>
    <message>
        <location filename="../measurement/steps/TransmissionStep.cpp"/>
        <source>Applying offset</source>
        <translation>Применение смещения</translation>
    </message>
    <message>
        <location filename="../measurement/steps/TransmissionStep.cpp"/>
        <source>Calculate reflect offset</source>
        <translation>Расчет смещения по отражениям</translation>
    </message>
    <message>
        <location filename="../measurement/steps/TransmissionStep.cpp"/>
        <source>Check measure data</source>
        <translation>Проверка измеренных данных</translation>
    </message>
    <message>
        <location filename="../measurement/steps/TransmissionStep.cpp"/>
        <source>Fixture is not measured</source>
        <translation>Оснастка не измерена</translation>
    </message>
</context>
<context>
    <name>ReflectionStep</name>
    <message>
        <location filename="../measurement/steps/ReflectionStep.cpp"/>
        <source>Reflection Open</source>
        <translation>Отражение, ХХ</translation>
    </message>
    <message>
        <location filename="../measurement/steps/ReflectionStep.cpp"/>
        <source>Reflection Short</source>
        <translation>Отражение, КЗ</translation>
    </message>
    <message>
        <location filename="../measurement/steps/ReflectionStep.cpp"/>
        <source>Reflection offset</source>
        <translation>Смещение отражения</translation>
    </message>
    <message>
        <location filename="../measurement/steps/ReflectionStep.cpp"/>
        <source>Applying offset</source>
        <translation>Применение смещения</translation>
    </message>
</context>
<context>
    <name>DutStep</name>
    <message>
        <location filename="../measurement/steps/DutStep.cpp"/>
        <source>DUT</source>
        <translation>ИУ</translation>
    </message>
    <message>
        <location filename="../measurement/steps/DutStep.cpp"/>
        <source>Check data</source>
        <translation>Проверка данных</translation>
    </message>
    <message>
        <location filename="../measurement/steps/DutStep.cpp"/>
        <source>Critical error. Please restart application</source>
        <translation>Критическая ошибка. Перезапустите приложение</translation>
    </message>
    <message>
        <location filename="../measurement/steps/DutStep.cpp"/>
        <source>The DUT result was cleared because its fixtures were measured again</source>
        <translation>Результат ИУ сброшен, так как его оснастки измерены заново</translation>
    </message>
</context>
<context>
    <name>BaseMeasurer</name>
    <message>
        <location filename="../measurement/measurers/BaseMeasurer.cpp"/>
        <source>The measurement could not be calculated, so nothing was changed. Check the measured data and repeat the measurement</source>
        <translation>Измерение не удалось рассчитать, поэтому ничего не изменено. Проверьте измеренные данные и повторите измерение</translation>
    </message>
</context>
<context>
    <name>TransmissionMeasurer</name>
    <message>
        <location filename="../measurement/measurers/TransmissionMeasurer.cpp"/>
        <source>Check data</source>
        <translation>Проверка данных</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/TransmissionMeasurer.cpp"/>
        <source>Read freqs</source>
        <translation>Чтение частот</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/TransmissionMeasurer.cpp"/>
        <source>Check configuration</source>
        <translation>Проверка конфигурации</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/TransmissionMeasurer.cpp"/>
        <source>Setup measure data</source>
        <translation>Подготовка данных измерения</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/TransmissionMeasurer.cpp"/>
        <source>Read SParameters</source>
        <translation>Чтение S-параметров</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/TransmissionMeasurer.cpp"/>
        <source>Execute algorithm</source>
        <translation>Расчет</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/TransmissionMeasurer.cpp"/>
        <source>Cannot read S-parameters data</source>
        <translation>Не удается прочитать S-параметры</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/TransmissionMeasurer.cpp"/>
        <source>Cannot read the frequency grid</source>
        <translation>Не удается прочитать сетку частот</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/TransmissionMeasurer.cpp"/>
        <source>Cannot read z0 impedance value</source>
        <translation>Не удается прочитать импеданс z0</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/TransmissionMeasurer.cpp"/>
        <source>The step has no fixtures to measure</source>
        <translation>В шаге нет оснасток для измерения</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/TransmissionMeasurer.cpp"/>
        <source>The two fixtures of the 2x-thru have different port counts (%1 and %2)</source>
        <translation>У двух оснасток 2x-thru разное число портов (%1 и %2)</translation>
    </message>
</context>
<context>
    <name>ReflectionMeasurer</name>
    <message>
        <location filename="../measurement/measurers/ReflectionMeasurer.cpp"/>
        <source>Read s-data</source>
        <translation>Чтение S-параметров</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/ReflectionMeasurer.cpp"/>
        <source>Read frequencies</source>
        <translation>Чтение частот</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/ReflectionMeasurer.cpp"/>
        <source>Calculate</source>
        <translation>Расчет</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/ReflectionMeasurer.cpp"/>
        <source>Cannot read z0 impedance value</source>
        <translation>Не удается прочитать импеданс z0</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/ReflectionMeasurer.cpp"/>
        <source>The step has no fixtures to measure</source>
        <translation>В шаге нет оснасток для измерения</translation>
    </message>
</context>
<context>
    <name>DutMeasurer</name>
    <message>
        <location filename="../measurement/measurers/DutMeasurer.cpp"/>
        <source>Read s-data</source>
        <translation>Чтение S-параметров</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/DutMeasurer.cpp"/>
        <source>Read freqs</source>
        <translation>Чтение частот</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/DutMeasurer.cpp"/>
        <source>Calculating</source>
        <translation>Расчет</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/DutMeasurer.cpp"/>
        <source>The fixture changed since it was characterised: measure it again</source>
        <translation>Оснастка изменилась после расчета ее характеристик: измерьте ее снова</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/DutMeasurer.cpp"/>
        <source>The fixture was not characterised by this 2x-thru</source>
        <translation>Характеристики оснастки рассчитаны не по этому 2x-thru</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/DutMeasurer.cpp"/>
        <source>The fixture is not characterised yet: measure its 2xThrough step first</source>
        <translation>Характеристики оснастки еще не рассчитаны: сначала выполните ее шаг 2xThrough</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/DutMeasurer.cpp"/>
        <source>The fixture is not characterised yet: measure its reflection step first</source>
        <translation>Характеристики оснастки еще не рассчитаны: сначала выполните ее шаг измерения отражения</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/DutMeasurer.cpp"/>
        <source>The DUT&apos;s frequency grid cannot be time-gated: measure the DUT with a linear sweep</source>
        <translation>Сетку частот ИУ нельзя стробировать во времени: измерьте ИУ с линейной разверткой</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/DutMeasurer.cpp"/>
        <source>The DUT cannot be calculated</source>
        <translation>Не удается рассчитать ИУ</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/DutMeasurer.cpp"/>
        <source>The DUT cannot be calculated: %1</source>
        <translation>Не удается рассчитать ИУ: %1</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/DutMeasurer.cpp"/>
        <source>The DUT cannot follow the new offset: measure the DUT again</source>
        <translation>Результат ИУ не пересчитан для нового смещения: измерьте ИУ снова</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/DutMeasurer.cpp"/>
        <source>The DUT cannot follow the new offset (%1): measure the DUT again</source>
        <translation>Результат ИУ не пересчитан для нового смещения (%1): измерьте ИУ снова</translation>
    </message>
</context>
<context>
    <name>SDataMeasurer</name>
    <message>
        <location filename="../measurement/measurers/SDataMeasurer.cpp"/>
        <source>Cannot read S-parameters data</source>
        <translation>Не удается прочитать S-параметры</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/SDataMeasurer.cpp"/>
        <source>Cannot read the frequency grid</source>
        <translation>Не удается прочитать сетку частот</translation>
    </message>
</context>
<context>
    <name>Algorithms::ProcessFactory</name>
    <message>
        <location filename="../engine/processes/base/ProcessFactory.cpp"/>
        <source>The correction method does not support this measurement</source>
        <translation>Метод коррекции не поддерживает это измерение</translation>
    </message>
    <message>
        <location filename="../engine/processes/base/ProcessFactory.cpp"/>
        <source>Unknown correction method</source>
        <translation>Неизвестный метод коррекции</translation>
    </message>
</context>
<context>
    <name>FixtureOffsets</name>
    <message>
        <location filename="../measurement/steps/FixtureOffsets.cpp"/>
        <source>Calculation error. There is no length data</source>
        <translation>Ошибка расчета. Нет данных о длине</translation>
    </message>
    <message>
        <location filename="../measurement/steps/FixtureOffsets.cpp"/>
        <source>Cannot apply the offset of %1 ps</source>
        <translation>Не удается применить смещение %1 пс</translation>
    </message>
    <message>
        <location filename="../measurement/steps/FixtureOffsets.cpp"/>
        <source>Calculation error. Left side fixture data is empty</source>
        <translation>Ошибка расчета. Нет данных левой оснастки</translation>
    </message>
    <message>
        <location filename="../measurement/steps/FixtureOffsets.cpp"/>
        <source>Calculation error. Right side fixture data is empty</source>
        <translation>Ошибка расчета. Нет данных правой оснастки</translation>
    </message>
    <message>
        <location filename="../measurement/steps/FixtureOffsets.cpp"/>
        <source>Calculation error. Fixture data is empty</source>
        <translation>Ошибка расчета. Нет данных оснастки</translation>
    </message>
    <message>
        <location filename="../measurement/steps/FixtureOffsets.cpp"/>
        <source>Calculation error. Check fixture configuration and measured data for validity.</source>
        <translation>Ошибка расчета. Проверьте конфигурацию оснастки и правильность измеренных данных.</translation>
    </message>
</context>
<context>
    <name>Algorithms::FixturePort</name>
    <message>
        <location filename="../engine/port/FixturePort.cpp"/>
        <source>Invalid impulse response. NaN or Inf value found. Check measured data for validity</source>
        <translation>Неверная импульсная характеристика: найдено значение NaN или Inf. Проверьте правильность измеренных данных</translation>
    </message>
    <message>
        <location filename="../engine/port/FixturePort.cpp"/>
        <source>Invalid gating</source>
        <translation>Неверное стробирование</translation>
    </message>
    <message>
        <location filename="../engine/port/FixturePort.cpp"/>
        <source>Invalid step response. NaN or Inf value found. Check the measured data for validity</source>
        <translation>Неверная переходная характеристика: найдено значение NaN или Inf. Проверьте правильность измеренных данных</translation>
    </message>
    <message>
        <location filename="../engine/port/FixturePort.cpp"/>
        <source>Invalid calculated data. NaN or Inf value found. Check measured data for validity</source>
        <translation>Неверные рассчитанные данные: найдено значение NaN или Inf. Проверьте правильность измеренных данных</translation>
    </message>
    <message>
        <location filename="../engine/port/FixturePort.cpp"/>
        <source>Invalid uncorrected fixture SParameters default</source>
        <translation>Неверные нескорректированные S-параметры оснастки (по умолчанию)</translation>
    </message>
    <message>
        <location filename="../engine/port/FixturePort.cpp"/>
        <source>Invalid uncorrected fixture SParameters z conversion</source>
        <translation>Неверные нескорректированные S-параметры оснастки (преобразование импеданса)</translation>
    </message>
    <message>
        <location filename="../engine/port/FixturePort.cpp"/>
        <source>Invalid custom impedance value.</source>
        <translation>Неверное значение своего импеданса.</translation>
    </message>
    <message>
        <location filename="../engine/port/FixturePort.cpp"/>
        <source>Invalid Z0 impedance. It is recommended using the latest VNA software version</source>
        <translation>Неверный импеданс Z0. Рекомендуется использовать последнюю версию программы ВАЦ</translation>
    </message>
    <message>
        <location filename="../engine/port/FixturePortConversion.cpp"/>
        <source>Invalid input data for impedance conversion</source>
        <translation>Неверные входные данные для преобразования импеданса</translation>
    </message>
    <message>
        <location filename="../engine/port/FixturePortConversion.cpp"/>
        <source>Invalid converted data. Check system and fixture impedances</source>
        <translation>Неверные преобразованные данные. Проверьте импедансы системы и оснастки</translation>
    </message>
    <message>
        <location filename="../engine/port/FixturePortOffset.cpp"/>
        <source>Offset was not performed. The offset must leave the fixture a positive electrical length</source>
        <translation>Смещение не выполнено. После смещения электрическая длина оснастки должна остаться положительной</translation>
    </message>
    <message>
        <location filename="../engine/port/FixturePortOffset.cpp"/>
        <source>Offset was not performed. Check offset value</source>
        <translation>Смещение не выполнено. Проверьте значение смещения</translation>
    </message>
    <message>
        <location filename="../engine/port/FixturePortOffset.cpp"/>
        <source>The fixture&apos;s own S-parameters are missing. Measure the fixture again</source>
        <translation>Собственные S-параметры оснастки отсутствуют. Измерьте оснастку заново</translation>
    </message>
    <message>
        <location filename="../engine/port/FixturePortOffset.cpp"/>
        <source>Offset was not performed. Check measured data for validity</source>
        <translation>Смещение не выполнено. Проверьте правильность измеренных данных</translation>
    </message>
    <message>
        <location filename="../engine/port/FixturePortOffset.cpp"/>
        <source>Invalid uncorrected fixture SParameters offset</source>
        <translation>Неверные нескорректированные S-параметры оснастки (смещение)</translation>
    </message>
</context>
<context>
    <name>SourceReader</name>
    <message>
        <location filename="../measurement/measurers/SourceReader.cpp"/>
        <source>The file %1 is not a Touchstone file: its name does not end in .s1p to .s9p</source>
        <translation>Файл %1 не является файлом Touchstone: его имя не оканчивается на .s1p – .s9p</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/SourceReader.cpp"/>
        <source>Cannot read the file %1</source>
        <translation>Не удается прочитать файл %1</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/SourceReader.cpp"/>
        <source>The file %1 is damaged: line %2: &quot;%3&quot; is not a number</source>
        <translation>Файл %1 поврежден: строка %2: «%3» не является числом</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/SourceReader.cpp"/>
        <source>The file %1 is damaged: line %2: more values than a %3-port record holds</source>
        <translation>Файл %1 поврежден: строка %2: значений больше, чем в записи для %3 портов</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/SourceReader.cpp"/>
        <source>The file %1 is damaged: line %2: the frequency does not rise</source>
        <translation>Файл %1 поврежден: строка %2: частота не возрастает</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/SourceReader.cpp"/>
        <source>The file %1 is cut short: the record from line %2 is incomplete</source>
        <translation>Файл %1 обрезан: запись, начинающаяся в строке %2, неполная</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/SourceReader.cpp"/>
        <source>The file %1 holds %2-port data, but the step measures analyzer port %3</source>
        <translation>Файл %1 содержит данные для %2 портов, а шаг измеряет порт ВАЦ %3</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/SourceReader.cpp"/>
        <source>The file %1 holds %2 frequency points; a measurement needs at least %3</source>
        <translation>Файл %1 содержит %2 частотных точек; для измерения нужно не менее %3</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/SourceReader.cpp"/>
        <source>The file %1 names no usable reference impedance (R from 0.001 to 1000 ohm)</source>
        <translation>В файле %1 нет пригодного опорного импеданса (R от 0,001 до 1000 Ом)</translation>
    </message>
</context>
<context>
    <name>FixtureRows</name>
    <message>
        <location filename="../measurement/measurers/FixtureRows.cpp"/>
        <source>Port %1 is not among the %2 ports of the measured data</source>
        <translation>Порта %1 нет среди %2 портов измеренных данных</translation>
    </message>
    <message>
        <location filename="../measurement/measurers/FixtureRows.cpp"/>
        <source>Port %1 is cabled to more than one fixture port</source>
        <translation>Порт %1 подключен более чем к одному порту оснастки</translation>
    </message>
</context>
<context>
    <name>FixtureSetups</name>
    <message>
        <location filename="../measurement/setups/FixtureSetups.cpp"/>
        <source>The impedance must be a positive number of ohms</source>
        <translation>Импеданс должен быть положительным числом ом</translation>
    </message>
    <message>
        <location filename="../measurement/setups/FixtureSetups.cpp"/>
        <source>Results measured with another correction method were cleared: measure the fixtures again</source>
        <translation>Результаты, измеренные другим методом коррекции, удалены: измерьте оснастки снова</translation>
    </message>
    <message>
        <location filename="../measurement/setups/FixtureSetups.cpp"/>
        <source>Results measured on other analyzer ports were cleared: measure the fixtures again</source>
        <translation>Результаты, измеренные на других портах анализатора, удалены: измерьте оснастки снова</translation>
    </message>
    <message>
        <location filename="../measurement/setups/FixtureSetups.cpp"/>
        <source>Results of the steps that the new connections leave out were cleared</source>
        <translation>Результаты шагов, которых нет при новых подключениях, удалены</translation>
    </message>
</context>
<context>
    <name>Algorithms::IProcessMethod</name>
    <message>
        <location filename="../engine/processes/base/IProcessMethod.cpp"/>
        <source>Not enough memory for the calculation</source>
        <translation>Недостаточно памяти для расчета</translation>
    </message>
    <message>
        <location filename="../engine/processes/base/IProcessMethod.cpp"/>
        <source>The calculation failed</source>
        <translation>Расчет не выполнен</translation>
    </message>
    <message>
        <location filename="../engine/processes/base/IProcessMethod.cpp"/>
        <source>The measurement was canceled</source>
        <translation>Измерение отменено</translation>
    </message>
    <message>
        <location filename="../engine/processes/base/IProcessMethod.cpp"/>
        <source>The signal is too noisy. Check fixture connections and repeat the measurement.</source>
        <translation>Сигнал слишком зашумлен. Проверьте подключение оснастки и повторите измерение.</translation>
    </message>
    <message>
        <location filename="../engine/processes/stages/ImpulseStages.cpp"/>
        <source>A negative fixture delay. Check measured data for validity</source>
        <translation>Отрицательная задержка оснастки. Проверьте правильность измеренных данных</translation>
    </message>
</context>
<context>
    <name>NoltAlgorithmsSetup</name>
    <message>
        <location filename="../measurement/setups/NoltAlgorithmsSetup.cpp"/>
        <source>The analyzer's maximum frequency is too low for a 10 MHz low-pass sweep</source>
        <translation>Максимальная частота анализатора слишком низка для развертки НЧ от 10 МГц</translation>
    </message>
    <message>
        <location filename="../measurement/setups/NoltAlgorithmsSetup.cpp"/>
        <source>The analyzer's maximum frequency is too high for a 10 MHz low-pass sweep</source>
        <translation>Максимальная частота анализатора слишком высока для развертки НЧ от 10 МГц</translation>
    </message>
    <message>
        <location filename="../measurement/setups/NoltAlgorithmsSetup.cpp"/>
        <source>Measurement cancelled</source>
        <translation>Измерение отменено</translation>
    </message>
</context>
<context>
    <name>Algorithms::ProcessBisect</name>
    <message>
        <location filename="../engine/processes/bisection/ProcessBisect.cpp"/>
        <source>The bisection method error. Impedance of the selected VNA ports has to be the same!</source>
        <translation>Ошибка метода бисекции. Импедансы выбранных портов ВАЦ должны совпадать!</translation>
    </message>
    <message>
        <location filename="../engine/processes/bisection/ProcessBisect.cpp"/>
        <source>The bisection method error!</source>
        <translation>Ошибка метода бисекции!</translation>
    </message>
</context>
<context>
    <name>Algorithms::ProcessFiltering</name>
    <message>
        <location filename="../engine/processes/filtering/ProcessFiltering.cpp"/>
        <source>The filtering method error. Fixture delay is too long. Select a different correction method</source>
        <translation>Ошибка метода фильтрации. Задержка оснастки слишком велика. Выберите другой метод коррекции</translation>
    </message>
    <message>
        <location filename="../engine/processes/filtering/ProcessFiltering.cpp"/>
        <source>The filtering method error. The fixture reflections could not be separated. Select a different correction method</source>
        <translation>Ошибка метода фильтрации. Не удалось разделить отражения оснастки. Выберите другой метод коррекции</translation>
    </message>
</context>
<context>
    <name>Algorithms::ProcessFilteringReflect</name>
    <message>
        <location filename="../engine/processes/reflect/ProcessFilteringReflect.cpp"/>
        <source>The filtering method error. The fixture reflections could not be separated. Select a different correction method</source>
        <translation>Ошибка метода фильтрации. Не удалось разделить отражения оснастки. Выберите другой метод коррекции</translation>
    </message>
</context>
<context>
    <name>Algorithms::ProcessTimeGate</name>
    <message>
        <location filename="../engine/processes/transmission/ProcessTimeGate.cpp"/>
        <source>Process TimeGate: Error gating S11</source>
        <translation>Временное стробирование: ошибка стробирования S11</translation>
    </message>
    <message>
        <location filename="../engine/processes/transmission/ProcessTimeGate.cpp"/>
        <source>Process TimeGate: Error gating S22</source>
        <translation>Временное стробирование: ошибка стробирования S22</translation>
    </message>
    <message>
        <location filename="../engine/processes/transmission/ProcessTimeGateDut.cpp"/>
        <source>ProcessTimeGate::calculateDUT: Error gating S11</source>
        <translation>Временное стробирование ИУ: ошибка стробирования S11</translation>
    </message>
    <message>
        <location filename="../engine/processes/transmission/ProcessTimeGateDut.cpp"/>
        <source>ProcessTimeGate::calculateDUT: Error gating S22</source>
        <translation>Временное стробирование ИУ: ошибка стробирования S22</translation>
    </message>
    <message>
        <location filename="../engine/processes/transmission/ProcessTimeGateDut.cpp"/>
        <source>ProcessTimeGate::calculateDUT: invalid result vectors</source>
        <translation>Временное стробирование ИУ: неверные результаты</translation>
    </message>
    <message>
        <location filename="../engine/processes/transmission/ProcessTimeGateDut.cpp"/>
        <source>ProcessTimeGate::calculateDUT: error input parameters</source>
        <translation>Временное стробирование ИУ: неверные входные параметры</translation>
    </message>
    <message>
        <location filename="../engine/processes/transmission/ProcessTimeGateDut.cpp"/>
        <source>ProcessTimeGate::calculateDUT: error uncorrected fixture s parameters</source>
        <translation>Временное стробирование ИУ: неверные нескорректированные S-параметры оснастки</translation>
    </message>
</context>
<context>
    <name>Algorithms::ProcessTimeGateReflect</name>
    <message>
        <location filename="../engine/processes/reflect/ProcessTimeGateReflect.cpp"/>
        <source>Process TimeGate: Error gating S11</source>
        <translation>Временное стробирование: ошибка стробирования S11</translation>
    </message>
</context>
<context>
    <name>Algorithms::ReflectProcess</name>
    <message>
        <location filename="../engine/processes/reflect/ReflectDut.cpp"/>
        <source>Invalid input data of  DUT with fixture</source>
        <translation>Неверные входные данные ИУ с оснасткой</translation>
    </message>
    <message>
        <location filename="../engine/processes/reflect/ReflectDut.cpp"/>
        <source>Invalid calculated data of DUT with fixture. NaN or Inf value found</source>
        <translation>Неверные рассчитанные данные ИУ с оснасткой: найдено значение NaN или Inf</translation>
    </message>
    <message>
        <location filename="../engine/processes/reflect/ReflectProcess.cpp"/>
        <source>The correction method does not support this measurement</source>
        <translation>Метод коррекции не поддерживает это измерение</translation>
    </message>
</context>
<context>
    <name>Algorithms::ReflectProcessOpenAndShort</name>
    <message>
        <location filename="../engine/processes/reflect/ReflectProcessOpenAndShort.cpp"/>
        <source>Invalid open and short input data</source>
        <translation>Неверные входные данные ХХ и КЗ</translation>
    </message>
    <message>
        <location filename="../engine/processes/reflect/ReflectProcessOpenAndShort.cpp"/>
        <source>Reflection. Invalid input data</source>
        <translation>Отражение. Неверные входные данные</translation>
    </message>
</context>
<context>
    <name>Algorithms::ReflectProcessOpenOrShort</name>
    <message>
        <location filename="../engine/processes/reflect/ReflectFixtureSet.cpp"/>
        <source>Invalid calculated data. NaN or Inf value found. Check measured data for validity</source>
        <translation>Неверные рассчитанные данные: найдено значение NaN или Inf. Проверьте правильность измеренных данных</translation>
    </message>
    <message>
        <location filename="../engine/processes/reflect/ReflectProcessOpenOrShort.cpp"/>
        <source>Reflection. Invalid input data</source>
        <translation>Отражение. Неверные входные данные</translation>
    </message>
    <message>
        <location filename="../engine/processes/reflect/ReflectProcessOpenOrShort.cpp"/>
        <source>The frequency sweep is not linear, so no time-domain transform is possible. Measure with a linear sweep</source>
        <translation>Развертка по частоте нелинейная, преобразование во временную область невозможно. Измеряйте с линейной разверткой</translation>
    </message>
    <message>
        <location filename="../engine/processes/reflect/ReflectStages.cpp"/>
        <source>Invalid step response. Calculation error. Check the measured data for validity</source>
        <translation>Неверная переходная характеристика. Ошибка расчета. Проверьте правильность измеренных данных</translation>
    </message>
    <message>
        <location filename="../engine/processes/reflect/ReflectStages.cpp"/>
        <source>Invalid fixture impedance. NaN, Inf or 0 value found</source>
        <translation>Неверный импеданс оснастки: найдено значение NaN, Inf или 0</translation>
    </message>
</context>
<context>
    <name>ScpiDevice</name>
    <message>
        <location filename="../analyzer/scpi/ScpiDevice.cpp"/>
        <source>The error during data exchange with VNA has been occurred</source>
        <translation>Ошибка обмена данными с ВАЦ</translation>
    </message>
</context>
<context>
    <name>SharedProcess</name>
    <message>
        <location filename="../measurement/connections/SharedProcess.h"/>
        <source>No process for the chosen correction method</source>
        <translation>Нет расчета для выбранного метода коррекции</translation>
    </message>
    <message>
        <location filename="../measurement/connections/SharedProcess.h"/>
        <source>The process does not fit this measurement</source>
        <translation>Расчет не подходит для этого измерения</translation>
    </message>
</context>
<context>
    <name>Algorithms::TransmissionProcess</name>
    <message>
        <location filename="../engine/processes/transmission/TransmissionProcess.cpp"/>
        <source>This process does not have a DUT calculation method</source>
        <translation>У этого расчета нет метода расчета ИУ</translation>
    </message>
    <message>
        <location filename="../engine/processes/transmission/TransmissionProcess.cpp"/>
        <source>Transmission. Invalid input data</source>
        <translation>Передача. Неверные входные данные</translation>
    </message>
    <message>
        <location filename="../engine/processes/transmission/TransmissionProcess.cpp"/>
        <source>The frequency sweep is not linear, so no time-domain transform is possible. Measure with a linear sweep or use the bisection method</source>
        <translation>Развертка по частоте нелинейная, преобразование во временную область невозможно. Измеряйте с линейной разверткой или используйте метод бисекции</translation>
    </message>
    <message>
        <location filename="../engine/processes/transmission/TransmissionStages.cpp"/>
        <source>Step Response. Invalid input data</source>
        <translation>Переходная характеристика. Неверные входные данные</translation>
    </message>
    <message>
        <location filename="../engine/processes/transmission/TransmissionStages.cpp"/>
        <source>Invalid step response. Calculation error. Check the measured data for validity</source>
        <translation>Неверная переходная характеристика. Ошибка расчета. Проверьте правильность измеренных данных</translation>
    </message>
    <message>
        <location filename="../engine/processes/transmission/TransmissionStages.cpp"/>
        <source>Error in calculating the step response characteristic</source>
        <translation>Ошибка расчета переходной характеристики</translation>
    </message>
</context>
<context>
    <name>VNADevice</name>
    <message>
        <location filename="../analyzer/device/VNADevice.cpp"/>
        <source>The file path contains a line break, a control character or ";" and was not sent to VNA:</source>
        <translation>Путь к файлу содержит перевод строки, управляющий символ или ";" и не был передан в ВАЦ:</translation>
    </message>
</context>
<context>
    <name>OffsetField</name>
    <message>
        <location filename="../qml/pages/OffsetField.qml" line="24"/>
        <source>s</source>
        <translation>с</translation>
    </message>
</context>
<context>
    <name>EnteredNumber</name>
    <message>
        <location filename="../qml/pages/EnteredNumber.qml" line="46"/>
        <source>Typing was interrupted: %1 was not entered</source>
        <translation>Ввод прерван: %1 не введено</translation>
    </message>
</context>
<context>
    <name>NumberReader</name>
    <message>
        <location filename="../app/formatting/NumberReader.cpp" line="38"/>
        <location filename="../app/formatting/NumberReader.cpp" line="41"/>
        <source>%1 is not a number</source>
        <translation>%1 — не число</translation>
    </message>
    <message>
        <location filename="../app/formatting/NumberReader.cpp" line="44"/>
        <source>%1 is outside the range from %2 to %3</source>
        <translation>%1 вне диапазона от %2 до %3</translation>
    </message>
    <message>
        <location filename="../app/formatting/NumberReader.cpp" line="47"/>
        <source>%1 has more than %2 decimals</source>
        <translation>В %1 больше %2 знаков после точки</translation>
    </message>
</context>
</TS>
