    3    2    0    0                                                                                    Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    1                                                                                                   Line 2 : Total number of sections
    2                                                                           Line 3 : Total number of axial thrusts
  122            0.3000000E+03  0.3768733E+03                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m), Section 1
  0.4671880E+01  0.9493260E+05  0.4921260E-04                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.1028468E+02  0.1044923E+06  0.9842520E-04                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.1589719E+02  0.1076770E+06  0.1476378E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.2150928E+02  0.1092671E+06  0.1968504E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.2712078E+02  0.1102189E+06  0.2460630E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.3273157E+02  0.1108509E+06  0.2952756E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.3834149E+02  0.1112999E+06  0.3444882E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.4395039E+02  0.1116340E+06  0.3937008E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.4955814E+02  0.1118913E+06  0.4429134E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.5516457E+02  0.1120944E+06  0.4921260E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.6076955E+02  0.1122579E+06  0.5413386E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.6637292E+02  0.1123915E+06  0.5905512E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.7197455E+02  0.1125018E+06  0.6397638E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.7757428E+02  0.1125935E+06  0.6889764E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.8317197E+02  0.1126703E+06  0.7381890E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.8876747E+02  0.1127347E+06  0.7874016E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.9436063E+02  0.1127887E+06  0.8366142E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.9995131E+02  0.1128339E+06  0.8858268E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.1055394E+03  0.1128716E+06  0.9350394E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.1111246E+03  0.1129026E+06  0.9842520E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.1167055E+03  0.1129265E+06  0.1033465E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.1222791E+03  0.1129414E+06  0.1082677E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.1278428E+03  0.1129463E+06  0.1131890E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.1333945E+03  0.1129407E+06  0.1181102E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.1389327E+03  0.1129245E+06  0.1230315E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.1434555E+03  0.1121160E+06  0.1279528E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.1467543E+03  0.1104462E+06  0.1328740E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.1497885E+03  0.1087037E+06  0.1377953E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.1525906E+03  0.1069186E+06  0.1427165E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.1551918E+03  0.1051166E+06  0.1476378E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.1584342E+03  0.1038510E+06  0.1525591E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.1606602E+03  0.1020192E+06  0.1574803E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.1635389E+03  0.1007003E+06  0.1624016E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.1654722E+03  0.9889397E+05  0.1673228E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.1680420E+03  0.9756037E+05  0.1722441E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.1704817E+03  0.9622746E+05  0.1771654E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.1728606E+03  0.9493318E+05  0.1820866E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.1751520E+03  0.9366023E+05  0.1870079E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.1772915E+03  0.9237340E+05  0.1919291E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.1784638E+03  0.8844839E+05  0.2017717E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.1823481E+03  0.8617008E+05  0.2116142E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.1860308E+03  0.8400325E+05  0.2214567E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.1894959E+03  0.8192672E+05  0.2312992E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.1927893E+03  0.7994854E+05  0.2411417E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.1959277E+03  0.7806376E+05  0.2509843E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.1989231E+03  0.7626638E+05  0.2608268E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.2017870E+03  0.7455113E+05  0.2706693E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.2045306E+03  0.7291336E+05  0.2805118E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.2071647E+03  0.7134894E+05  0.2903543E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.2096999E+03  0.6985414E+05  0.3001969E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.2121464E+03  0.6842563E+05  0.3100394E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.2145138E+03  0.6706033E+05  0.3198819E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.2168117E+03  0.6575544E+05  0.3297244E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.2190222E+03  0.6450046E+05  0.3395669E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.2211700E+03  0.6329822E+05  0.3494095E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.2232699E+03  0.6214856E+05  0.3592520E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.2253012E+03  0.6104161E+05  0.3690945E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.2272802E+03  0.5997836E+05  0.3789370E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.2292262E+03  0.5896047E+05  0.3887795E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.2311000E+03  0.5797472E+05  0.3986221E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.2329571E+03  0.5703240E+05  0.4084646E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.2347487E+03  0.5611875E+05  0.4183071E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.2365268E+03  0.5524395E+05  0.4281496E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.2382478E+03  0.5439546E+05  0.4379921E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.2399627E+03  0.5358287E+05  0.4478347E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.2416176E+03  0.5279214E+05  0.4576772E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.2432690E+03  0.5203396E+05  0.4675197E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.2448731E+03  0.5129713E+05  0.4773622E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.2464601E+03  0.5058655E+05  0.4872047E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.2480281E+03  0.4990032E+05  0.4970473E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.2495538E+03  0.4923236E+05  0.5068898E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.2510762E+03  0.4858923E+05  0.5167323E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.2525651E+03  0.4796377E+05  0.5265748E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.2540300E+03  0.4735678E+05  0.5364173E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.2554916E+03  0.4677108E+05  0.5462598E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.2569190E+03  0.4619995E+05  0.5561024E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.2583268E+03  0.4564522E+05  0.5659449E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.2597315E+03  0.4510892E+05  0.5757874E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.2611139E+03  0.4458684E+05  0.5856299E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.2664766E+03  0.4263625E+05  0.6250000E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.2716282E+03  0.4088507E+05  0.6643701E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.2765985E+03  0.3930407E+05  0.7037402E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.2814081E+03  0.3786896E+05  0.7431102E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.2860559E+03  0.3655758E+05  0.7824803E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.2905886E+03  0.3535785E+05  0.8218504E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.2950289E+03  0.3425707E+05  0.8612205E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.2993286E+03  0.3323693E+05  0.9005906E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.3035657E+03  0.3229558E+05  0.9399606E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.3076938E+03  0.3141879E+05  0.9793307E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.3117683E+03  0.3060450E+05  0.1018701E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.3157371E+03  0.2984082E+05  0.1058071E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=91
  0.3196637E+03  0.2912810E+05  0.1097441E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=92
  0.3235048E+03  0.2845722E+05  0.1136811E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=93
  0.3272837E+03  0.2782596E+05  0.1176181E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=94
  0.3310191E+03  0.2723201E+05  0.1215551E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=95
  0.3346771E+03  0.2666917E+05  0.1254921E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=96
  0.3382747E+03  0.2613590E+05  0.1294291E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=97
  0.3418274E+03  0.2563075E+05  0.1333661E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=98
  0.3453337E+03  0.2515119E+05  0.1373032E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=99
  0.3487631E+03  0.2469291E+05  0.1412402E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=100
  0.3521390E+03  0.2425581E+05  0.1451772E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=101
  0.3554663E+03  0.2383853E+05  0.1491142E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=102
  0.3583906E+03  0.2341639E+05  0.1530512E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=103
  0.3607103E+03  0.2297691E+05  0.1569882E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=104
  0.3627852E+03  0.2254371E+05  0.1609252E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=105
  0.3646873E+03  0.2212073E+05  0.1648622E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=106
  0.3664658E+03  0.2171016E+05  0.1687992E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=107
  0.3681112E+03  0.2131060E+05  0.1727362E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=108
  0.3696608E+03  0.2092342E+05  0.1766732E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=109
  0.3711042E+03  0.2054724E+05  0.1806102E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=110
  0.3724417E+03  0.2018138E+05  0.1845472E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=111
  0.3736194E+03  0.1982232E+05  0.1884843E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=112
  0.3746696E+03  0.1947132E+05  0.1924213E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=113
  0.3756166E+03  0.1912915E+05  0.1963583E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=114
  0.3764998E+03  0.1879724E+05  0.2002953E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=115
  0.3773201E+03  0.1847505E+05  0.2042323E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=116
  0.3780751E+03  0.1816190E+05  0.2081693E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=117
  0.3787859E+03  0.1785830E+05  0.2121063E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=118
  0.3794389E+03  0.1756309E+05  0.2160433E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=119
  0.3824605E+03  0.1595811E+05  0.2396654E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=120
  0.3843937E+03  0.1459978E+05  0.2632874E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=121
  0.3855580E+03  0.1343832E+05  0.2869095E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=122
  120            0.8000000E+03  0.4154189E+03                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m), Section 1
  0.4488897E+01  0.9121439E+05  0.4921260E-04                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=1
  0.9907039E+01  0.1006555E+06  0.9842520E-04                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=2
  0.1532489E+02  0.1038006E+06  0.1476378E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=3
  0.2074229E+02  0.1053708E+06  0.1968504E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=4
  0.2615910E+02  0.1063106E+06  0.2460630E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=5
  0.3157516E+02  0.1069345E+06  0.2952756E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=6
  0.3699032E+02  0.1073776E+06  0.3444882E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=7
  0.4240443E+02  0.1077072E+06  0.3937008E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=8
  0.4781733E+02  0.1079609E+06  0.4429134E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=9
  0.5322889E+02  0.1081611E+06  0.4921260E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=10
  0.5863893E+02  0.1083221E+06  0.5413386E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=11
  0.6404731E+02  0.1084534E+06  0.5905512E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=12
  0.6945388E+02  0.1085618E+06  0.6397638E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=13
  0.7485849E+02  0.1086518E+06  0.6889764E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=14
  0.8026098E+02  0.1087269E+06  0.7381890E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=15
  0.8566121E+02  0.1087897E+06  0.7874016E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=16
  0.9105901E+02  0.1088423E+06  0.8366142E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=17
  0.9645424E+02  0.1088861E+06  0.8858268E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=18
  0.1018467E+03  0.1089224E+06  0.9350394E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=19
  0.1072364E+03  0.1089521E+06  0.9842520E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=20
  0.1126229E+03  0.1089761E+06  0.1033465E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=21
  0.1180064E+03  0.1089950E+06  0.1082677E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=22
  0.1233864E+03  0.1090092E+06  0.1131890E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=23
  0.1287630E+03  0.1090193E+06  0.1181102E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=24
  0.1341359E+03  0.1090257E+06  0.1230315E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=25
  0.1395050E+03  0.1090286E+06  0.1279528E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=26
  0.1448702E+03  0.1090282E+06  0.1328740E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=27
  0.1502305E+03  0.1090244E+06  0.1377953E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=28
  0.1555835E+03  0.1090157E+06  0.1427165E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=29
  0.1609273E+03  0.1090014E+06  0.1476378E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=30
  0.1662601E+03  0.1089808E+06  0.1525591E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=31
  0.1715805E+03  0.1089536E+06  0.1574803E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=32
  0.1759413E+03  0.1083372E+06  0.1624016E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=33
  0.1800911E+03  0.1076309E+06  0.1673228E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=34
  0.1831249E+03  0.1063171E+06  0.1722441E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=35
  0.1868513E+03  0.1054672E+06  0.1771654E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=36
  0.1904001E+03  0.1045657E+06  0.1820866E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=37
  0.1929064E+03  0.1031541E+06  0.1870079E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=38
  0.1961133E+03  0.1021801E+06  0.1919291E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=39
  0.2020957E+03  0.1001606E+06  0.2017717E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=40
  0.2075567E+03  0.9808262E+05  0.2116142E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=41
  0.2125589E+03  0.9598216E+05  0.2214567E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=42
  0.2171617E+03  0.9388779E+05  0.2312992E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=43
  0.2195688E+03  0.9105382E+05  0.2411417E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=44
  0.2239818E+03  0.8924139E+05  0.2509843E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=45
  0.2281807E+03  0.8748362E+05  0.2608268E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=46
  0.2321713E+03  0.8577674E+05  0.2706693E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=47
  0.2359687E+03  0.8412077E+05  0.2805118E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=48
  0.2396025E+03  0.8252074E+05  0.2903543E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=49
  0.2430830E+03  0.8097452E+05  0.3001969E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=50
  0.2464220E+03  0.7948089E+05  0.3100394E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=51
  0.2496316E+03  0.7803868E+05  0.3198819E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=52
  0.2527231E+03  0.7664676E+05  0.3297244E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=53
  0.2557008E+03  0.7530202E+05  0.3395669E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=54
  0.2585612E+03  0.7399949E+05  0.3494095E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=55
  0.2613302E+03  0.7274287E+05  0.3592520E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=56
  0.2640180E+03  0.7153128E+05  0.3690945E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=57
  0.2666311E+03  0.7036292E+05  0.3789370E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=58
  0.2691380E+03  0.6922637E+05  0.3887795E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=59
  0.2715875E+03  0.6813159E+05  0.3986221E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=60
  0.2739795E+03  0.6707545E+05  0.4084646E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=61
  0.2762803E+03  0.6604725E+05  0.4183071E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=62
  0.2785460E+03  0.6505810E+05  0.4281496E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=63
  0.2807353E+03  0.6409597E+05  0.4379921E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=64
  0.2828822E+03  0.6316667E+05  0.4478347E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=65
  0.2849740E+03  0.6226529E+05  0.4576772E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=66
  0.2870185E+03  0.6139175E+05  0.4675197E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=67
  0.2890173E+03  0.6054466E+05  0.4773622E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=68
  0.2909750E+03  0.5972335E+05  0.4872047E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=69
  0.2928852E+03  0.5892503E+05  0.4970473E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=70
  0.2947709E+03  0.5815287E+05  0.5068898E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=71
  0.2965970E+03  0.5739858E+05  0.5167323E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=72
  0.2984176E+03  0.5667146E+05  0.5265748E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=73
  0.3001710E+03  0.5595848E+05  0.5364173E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=74
  0.3019118E+03  0.5526891E+05  0.5462598E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=75
  0.3036247E+03  0.5459870E+05  0.5561024E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=76
  0.3052899E+03  0.5394340E+05  0.5659449E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=77
  0.3069500E+03  0.5330961E+05  0.5757874E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=78
  0.3085685E+03  0.5269001E+05  0.5856299E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=79
  0.3148046E+03  0.5036873E+05  0.6250000E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=80
  0.3207102E+03  0.4827282E+05  0.6643701E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=81
  0.3263176E+03  0.4636905E+05  0.7037402E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=82
  0.3316581E+03  0.4463107E+05  0.7431102E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=83
  0.3367645E+03  0.4303808E+05  0.7824803E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=84
  0.3416685E+03  0.4157307E+05  0.8218504E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=85
  0.3463990E+03  0.4022187E+05  0.8612205E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=86
  0.3509383E+03  0.3896758E+05  0.9005906E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=87
  0.3553259E+03  0.3780222E+05  0.9399606E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=88
  0.3595976E+03  0.3671871E+05  0.9793307E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=89
  0.3636949E+03  0.3570184E+05  0.1018701E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=90
  0.3677131E+03  0.3475317E+05  0.1058071E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=91
  0.3715670E+03  0.3385758E+05  0.1097441E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=92
  0.3753449E+03  0.3301735E+05  0.1136811E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=93
  0.3789954E+03  0.3222254E+05  0.1176181E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=94
  0.3825447E+03  0.3147089E+05  0.1215551E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=95
  0.3860158E+03  0.3076016E+05  0.1254921E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=96
  0.3893544E+03  0.3008244E+05  0.1294291E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=97
  0.3926047E+03  0.2943811E+05  0.1333661E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=98
  0.3957227E+03  0.2882110E+05  0.1373032E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=99
  0.3987107E+03  0.2822927E+05  0.1412402E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=100
  0.4015616E+03  0.2766011E+05  0.1451772E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=101
  0.4043151E+03  0.2711446E+05  0.1491142E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=102
  0.4069630E+03  0.2659000E+05  0.1530512E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=103
  0.4095198E+03  0.2608603E+05  0.1569882E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=104
  0.4119977E+03  0.2560181E+05  0.1609252E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=105
  0.4143712E+03  0.2513440E+05  0.1648622E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=106
  0.4163158E+03  0.2466337E+05  0.1687992E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=107
  0.4178406E+03  0.2418952E+05  0.1727362E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=108
  0.4191610E+03  0.2372521E+05  0.1766732E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=109
  0.4203737E+03  0.2327519E+05  0.1806102E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=110
  0.4214689E+03  0.2283799E+05  0.1845472E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=111
  0.4224801E+03  0.2241461E+05  0.1884843E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=112
  0.4233966E+03  0.2200363E+05  0.1924213E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=113
  0.4242309E+03  0.2160494E+05  0.1963583E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=114
  0.4249914E+03  0.2121824E+05  0.2002953E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=115
  0.4256842E+03  0.2084314E+05  0.2042323E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=116
  0.4263208E+03  0.2047952E+05  0.2081693E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=117
  0.4268572E+03  0.2012468E+05  0.2121063E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=118
  0.4273185E+03  0.1977930E+05  0.2160433E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=119
  0.4273185E+03  0.1782980E+05  0.2396654E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=2, CurvPnt#=120
    0                                                                                                   Line 6 : number of output p-y curves
    2  101    2                                                                                         Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.4219233E-02  0.1132187E-10  0.5000000E+02 -0.3797310E+02  0.9493260E+05              Line 10(  1) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+00  0.3900118E-02  0.9336273E+01  0.4269258E+02 -0.3510106E+02  0.9493260E+05              Line 10(  2) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+00  0.3584936E-02  0.1726732E+02  0.3595603E+02 -0.3226443E+02  0.1081556E+06              Line 10(  3) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+00  0.3276141E-02  0.2390588E+02  0.2978107E+02 -0.2948527E+02  0.1097262E+06              Line 10(  4) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+00  0.2976060E-02  0.2936241E+02  0.2415408E+02 -0.2678454E+02  0.1104995E+06              Line 10(  5) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+01  0.2686609E-02  0.3374437E+02  0.1905768E+02 -0.2417948E+02  0.1109427E+06              Line 10(  6) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+01  0.2409323E-02  0.3715551E+02  0.1447134E+02 -0.2168391E+02  0.1112160E+06              Line 10(  7) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1400000E+01  0.2145401E-02  0.3969527E+02  0.1037209E+02 -0.1930861E+02  0.1113890E+06              Line 10(  8) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1600000E+01  0.1895734E-02  0.4145842E+02  0.6735069E+01 -0.1706161E+02  0.1114965E+06              Line 10(  9) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+01  0.1660940E-02  0.4253464E+02  0.3534063E+01 -0.1494846E+02  0.1115578E+06              Line 10( 10) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+01  0.1441397E-02  0.4300834E+02  0.7419588E+00 -0.1297258E+02  0.1115838E+06              Line 10( 11) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2200000E+01  0.1237272E-02  0.4295852E+02 -0.1668844E+01 -0.1113545E+02  0.1115811E+06              Line 10( 12) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2400000E+01  0.1048547E-02  0.4245866E+02 -0.3726081E+01 -0.9436921E+01  0.1115536E+06              Line 10( 13) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2600000E+01  0.8750459E-03  0.4157676E+02 -0.5457314E+01 -0.7875413E+01  0.1115034E+06              Line 10( 14) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2800000E+01  0.7164601E-03  0.4037536E+02 -0.6889670E+01 -0.6448140E+01  0.1114315E+06              Line 10( 15) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3000000E+01  0.5723675E-03  0.3891169E+02 -0.8049615E+01 -0.5151308E+01  0.1113381E+06              Line 10( 16) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3200000E+01  0.4422546E-03  0.3723778E+02 -0.8962775E+01 -0.3980291E+01  0.1112220E+06              Line 10( 17) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3400000E+01  0.3255339E-03  0.3540063E+02 -0.9653784E+01 -0.2929805E+01  0.1110818E+06              Line 10( 18) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3600000E+01  0.2215608E-03  0.3344247E+02 -0.1014617E+02 -0.1994048E+01  0.1109159E+06              Line 10( 19) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3800000E+01  0.1296482E-03  0.3140093E+02 -0.1046226E+02 -0.1166834E+01  0.1107209E+06              Line 10( 20) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+01  0.4907982E-04  0.2930931E+02 -0.1062311E+02 -0.4417184E+00  0.1104933E+06              Line 10( 21) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4200000E+01 -0.2087826E-04  0.2719684E+02 -0.1064849E+02  0.1879043E+00  0.1102291E+06              Line 10( 22) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4400000E+01 -0.8096713E-04  0.2508893E+02 -0.1055683E+02  0.7287041E+00  0.1099217E+06              Line 10( 23) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4600000E+01 -0.1319262E-03  0.2300743E+02 -0.1036523E+02  0.1187336E+01  0.1095649E+06              Line 10( 24) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4800000E+01 -0.1744858E-03  0.2097089E+02 -0.1008946E+02  0.1570372E+01  0.1091499E+06              Line 10( 25) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5000000E+01 -0.2093602E-03  0.1899487E+02 -0.9743997E+01  0.1884242E+01  0.1086654E+06              Line 10( 26) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5200000E+01 -0.2372425E-03  0.1709212E+02 -0.9342055E+01  0.2135183E+01  0.1080985E+06              Line 10( 27) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5400000E+01 -0.2588002E-03  0.1527288E+02 -0.8895616E+01  0.2329202E+01  0.1074317E+06              Line 10( 28) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5600000E+01 -0.2746713E-03  0.1354510E+02 -0.8415492E+01  0.2472042E+01  0.1066428E+06              Line 10( 29) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5800000E+01 -0.2854619E-03  0.1191468E+02 -0.7911372E+01  0.2569157E+01  0.1057038E+06              Line 10( 30) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+01 -0.2917438E-03  0.1038568E+02 -0.7391887E+01  0.2625694E+01  0.1045775E+06              Line 10( 31) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6200000E+01 -0.2940532E-03  0.8960507E+01 -0.6864670E+01  0.2646479E+01  0.1032138E+06              Line 10( 32) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6400000E+01 -0.2928901E-03  0.7640153E+01 -0.6336421E+01  0.2636011E+01  0.1015460E+06              Line 10( 33) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6600000E+01 -0.2887174E-03  0.6424338E+01 -0.5812974E+01  0.2598457E+01  0.9948079E+05              Line 10( 34) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6800000E+01 -0.2819616E-03  0.5311685E+01 -0.5299363E+01  0.2537654E+01  0.9688802E+05              Line 10( 35) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7000000E+01 -0.2730128E-03  0.4299881E+01 -0.4799886E+01  0.2457115E+01  0.9493260E+05              Line 10( 36) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7200000E+01 -0.2622523E-03  0.3385818E+01 -0.4318147E+01  0.2360271E+01  0.9493260E+05              Line 10( 37) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7400000E+01 -0.2500652E-03  0.2565738E+01 -0.3857061E+01  0.2250587E+01  0.9493260E+05              Line 10( 38) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7600000E+01 -0.2367970E-03  0.1835357E+01 -0.3418886E+01  0.2131173E+01  0.9493260E+05              Line 10( 39) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7800000E+01 -0.2227554E-03  0.1189991E+01 -0.3005288E+01  0.2004799E+01  0.9493260E+05              Line 10( 40) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+01 -0.2082125E-03  0.6246662E+00 -0.2617417E+01  0.1873912E+01  0.9493260E+05              Line 10( 41) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8200000E+01 -0.1934063E-03  0.1342191E+00 -0.2255960E+01  0.1740657E+01  0.9493260E+05              Line 10( 42) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8400000E+01 -0.1785436E-03 -0.2866186E+00 -0.1921205E+01  0.1606893E+01  0.9493260E+05              Line 10( 43) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8600000E+01 -0.1638017E-03 -0.6431444E+00 -0.1613095E+01  0.1474215E+01  0.9493260E+05              Line 10( 44) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8800000E+01 -0.1493307E-03 -0.9406203E+00 -0.1331276E+01  0.1343977E+01  0.9493260E+05              Line 10( 45) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9000000E+01 -0.1352561E-03 -0.1184218E+01 -0.1075147E+01  0.1217305E+01  0.9493260E+05              Line 10( 46) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9200000E+01 -0.1216805E-03 -0.1378974E+01 -0.8439044E+00  0.1095124E+01  0.9493260E+05              Line 10( 47) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9400000E+01 -0.1086859E-03 -0.1529751E+01 -0.6365747E+00  0.9781728E+00  0.9493260E+05              Line 10( 48) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9600000E+01 -0.9633582E-04 -0.1641208E+01 -0.4520552E+00  0.8670224E+00  0.9493260E+05              Line 10( 49) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9800000E+01 -0.8467730E-04 -0.1717776E+01 -0.2891434E+00  0.7620957E+00  0.9493260E+05              Line 10( 50) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+02 -0.7374256E-04 -0.1763643E+01 -0.1465655E+00  0.6636831E+00  0.9493260E+05              Line 10( 51) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1020000E+02 -0.6355094E-04 -0.1782740E+01 -0.2300139E-01  0.5719585E+00  0.9493260E+05              Line 10( 52) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1040000E+02 -0.5411048E-04 -0.1778733E+01  0.8289389E-01  0.4869943E+00  0.9493260E+05              Line 10( 53) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1060000E+02 -0.4541949E-04 -0.1755022E+01  0.1724709E+00  0.4087754E+00  0.9493260E+05              Line 10( 54) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1080000E+02 -0.3746799E-04 -0.1714738E+01  0.2470696E+00  0.3372119E+00  0.9493260E+05              Line 10( 55) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1100000E+02 -0.3023899E-04 -0.1660748E+01  0.3080059E+00  0.2721509E+00  0.9493260E+05              Line 10( 56) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1120000E+02 -0.2370975E-04 -0.1595663E+01  0.3565597E+00  0.2133877E+00  0.9493260E+05              Line 10( 57) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1140000E+02 -0.1785284E-04 -0.1521840E+01  0.3939661E+00  0.1606756E+00  0.9493260E+05              Line 10( 58) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1160000E+02 -0.1263717E-04 -0.1441398E+01  0.4214071E+00  0.1137345E+00  0.9493260E+05              Line 10( 59) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1180000E+02 -0.8028826E-05 -0.1356224E+01  0.4400065E+00  0.7225944E-01  0.9493260E+05              Line 10( 60) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+02 -0.3991933E-05 -0.1267989E+01  0.4508252E+00  0.3592740E-01  0.9493260E+05              Line 10( 61) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1220000E+02 -0.4893093E-06 -0.1178156E+01  0.4548583E+00  0.4403783E-02  0.9493260E+05              Line 10( 62) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1240000E+02  0.2516897E-05 -0.1087998E+01  0.4530334E+00 -0.2265207E-01  0.9493260E+05              Line 10( 63) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1260000E+02  0.5064673E-05 -0.9986091E+00  0.4462100E+00 -0.4558206E-01  0.9493260E+05              Line 10( 64) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1280000E+02  0.7191684E-05 -0.9109168E+00  0.4351793E+00 -0.6472515E-01  0.9493260E+05              Line 10( 65) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1300000E+02  0.8934878E-05 -0.8256984E+00  0.4206654E+00 -0.8041390E-01  0.9493260E+05              Line 10( 66) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1320000E+02  0.1033016E-04 -0.7435922E+00  0.4033269E+00 -0.9297147E-01  0.9493260E+05              Line 10( 67) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1340000E+02  0.1141213E-04 -0.6651108E+00  0.3837588E+00 -0.1027092E+00  0.9493260E+05              Line 10( 68) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1360000E+02  0.1221386E-04 -0.5906538E+00  0.3624954E+00 -0.1099247E+00  0.9493260E+05              Line 10( 69) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1380000E+02  0.1276671E-04 -0.5205190E+00  0.3400129E+00 -0.1149004E+00  0.9493260E+05              Line 10( 70) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1400000E+02  0.1310025E-04 -0.4549145E+00  0.3167326E+00 -0.1179022E+00  0.9493260E+05              Line 10( 71) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1420000E+02  0.1324210E-04 -0.3939686E+00  0.2930245E+00 -0.1191789E+00  0.9493260E+05              Line 10( 72) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1440000E+02  0.1321795E-04 -0.3377400E+00  0.2692105E+00 -0.1189616E+00  0.9493260E+05              Line 10( 73) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1460000E+02  0.1305150E-04 -0.2862272E+00  0.2455680E+00 -0.1174635E+00  0.9493260E+05              Line 10( 74) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1480000E+02  0.1276444E-04 -0.2393768E+00  0.2223336E+00 -0.1148800E+00  0.9493260E+05              Line 10( 75) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1500000E+02  0.1237652E-04 -0.1970913E+00  0.1997068E+00 -0.1113887E+00  0.9493260E+05              Line 10( 76) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1520000E+02  0.1190556E-04 -0.1592364E+00  0.1778529E+00 -0.1071500E+00  0.9493260E+05              Line 10( 77) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1540000E+02  0.1136750E-04 -0.1256474E+00  0.1569071E+00 -0.1023075E+00  0.9493260E+05              Line 10( 78) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1560000E+02  0.1077650E-04 -0.9613486E-01  0.1369775E+00 -0.9698854E-01  0.9493260E+05              Line 10( 79) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1580000E+02  0.1014500E-04 -0.7048967E-01  0.1181482E+00 -0.9130500E-01  0.9493260E+05              Line 10( 80) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1600000E+02  0.9483793E-05 -0.4848778E-01  0.1004822E+00 -0.8535414E-01  0.9493260E+05              Line 10( 81) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1620000E+02  0.8802156E-05 -0.2989392E-01  0.8402489E-01 -0.7921941E-01  0.9493260E+05              Line 10( 82) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1640000E+02  0.8107924E-05 -0.1446507E-01  0.6880581E-01 -0.7297131E-01  0.9493260E+05              Line 10( 83) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1660000E+02  0.7407596E-05 -0.1953230E-02  0.5484185E-01 -0.6666836E-01  0.9493260E+05              Line 10( 84) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1680000E+02  0.6706445E-05  0.7892117E-02  0.4213921E-01 -0.6035801E-01  0.9493260E+05              Line 10( 85) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1700000E+02  0.6008620E-05  0.1532215E-01  0.3069565E-01 -0.5407758E-01  0.9493260E+05              Line 10( 86) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1720000E+02  0.5317251E-05  0.2058714E-01  0.2050237E-01 -0.4785526E-01  0.9493260E+05              Line 10( 87) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1740000E+02  0.4634556E-05  0.2393531E-01  0.1154574E-01 -0.4171101E-01  0.9493260E+05              Line 10( 88) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1760000E+02  0.3961947E-05  0.2561202E-01  0.3808887E-02 -0.3565752E-01  0.9493260E+05              Line 10( 89) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1780000E+02  0.3300129E-05  0.2585920E-01 -0.2726981E-02 -0.2970116E-01  0.9493260E+05              Line 10( 90) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+02  0.2649207E-05  0.2491505E-01 -0.8081383E-02 -0.2384286E-01  0.9493260E+05              Line 10( 91) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1820000E+02  0.2008783E-05  0.2301405E-01 -0.1227357E-01 -0.1807904E-01  0.9493260E+05              Line 10( 92) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1840000E+02  0.1378055E-05  0.2038697E-01 -0.1532173E-01 -0.1240250E-01  0.9493260E+05              Line 10( 93) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1860000E+02  0.7559184E-06  0.1726121E-01 -0.1724230E-01 -0.6803265E-02  0.9493260E+05              Line 10( 94) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1880000E+02  0.1410544E-06  0.1386115E-01 -0.1804958E-01 -0.1269489E-02  0.9493260E+05              Line 10( 95) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1900000E+02 -0.4679692E-06  0.1040855E-01 -0.1775536E-01  0.4211723E-02  0.9493260E+05              Line 10( 96) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1920000E+02 -0.1072607E-05  0.7123104E-02 -0.1636884E-01  0.9653464E-02  0.9493260E+05              Line 10( 97) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1940000E+02 -0.1674244E-05  0.4222897E-02 -0.1389667E-01  0.1506819E-01  0.9493260E+05              Line 10( 98) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1960000E+02 -0.2274101E-05  0.1924884E-02 -0.1034316E-01  0.2046691E-01  0.9493260E+05              Line 10( 99) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1980000E+02 -0.2873147E-05  0.4453035E-03 -0.5710638E-02  0.2585832E-01  0.9493260E+05              Line 10(100) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+02 -0.3472006E-05  0.0000000E+00  0.0000000E+00  0.3124805E-01  0.9493260E+05              Line 10(101) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.8589016E-02  0.3955794E-11  0.1000000E+03 -0.7730114E+02  0.9121439E+05              Line 10(  1) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+00  0.7932852E-02  0.1897891E+02  0.8513032E+02 -0.7139567E+02  0.9121439E+05              Line 10(  2) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+00  0.7285010E-02  0.3509533E+02  0.7143424E+02 -0.6556509E+02  0.1072377E+06              Line 10(  3) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+00  0.6650259E-02  0.4857868E+02  0.5889250E+02 -0.5985233E+02  0.1079917E+06              Line 10(  4) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+00  0.6033502E-02  0.5965354E+02  0.4747712E+02 -0.5430152E+02  0.1083485E+06              Line 10(  5) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+01  0.5438767E-02  0.6853872E+02  0.3715207E+02 -0.4894891E+02  0.1085446E+06              Line 10(  6) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+01  0.4869290E-02  0.7544574E+02  0.2787482E+02 -0.4382361E+02  0.1086604E+06              Line 10(  7) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1400000E+01  0.4327586E-02  0.8057759E+02  0.1959763E+02 -0.3894827E+02  0.1087308E+06              Line 10(  8) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1600000E+01  0.3815525E-02  0.8412780E+02  0.1226883E+02 -0.3433972E+02  0.1087727E+06              Line 10(  9) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+01  0.3334401E-02  0.8627967E+02  0.5833899E+01 -0.3000961E+02  0.1087961E+06              Line 10( 10) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+01  0.2884998E-02  0.8720578E+02  0.2364399E+00 -0.2596498E+02  0.1088054E+06              Line 10( 11) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2200000E+01  0.2467655E-02  0.8706765E+02 -0.4580948E+01 -0.2220890E+02  0.1088040E+06              Line 10( 12) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2400000E+01  0.2082321E-02  0.8601555E+02 -0.8675927E+01 -0.1874089E+02  0.1087934E+06              Line 10( 13) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2600000E+01  0.1728612E-02  0.8418851E+02 -0.1210577E+02 -0.1555751E+02  0.1087734E+06              Line 10( 14) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2800000E+01  0.1405862E-02  0.8171441E+02 -0.1492679E+02 -0.1265276E+02  0.1087446E+06              Line 10( 15) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3000000E+01  0.1113170E-02  0.7871015E+02 -0.1719392E+02 -0.1001853E+02  0.1087064E+06              Line 10( 16) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3200000E+01  0.8494404E-03  0.7528197E+02 -0.1896027E+02 -0.7644963E+01  0.1086580E+06              Line 10( 17) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3400000E+01  0.6134239E-03  0.7152583E+02 -0.2027685E+02 -0.5520815E+01  0.1085978E+06              Line 10( 18) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3600000E+01  0.4037527E-03  0.6752778E+02 -0.2119231E+02 -0.3633774E+01  0.1085251E+06              Line 10( 19) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3800000E+01  0.2189707E-03  0.6336447E+02 -0.2175276E+02 -0.1970737E+01  0.1084381E+06              Line 10( 20) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4000000E+01  0.5756228E-04  0.5910363E+02 -0.2200164E+02 -0.5180606E+00  0.1083343E+06              Line 10( 21) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4200000E+01 -0.8202348E-04  0.5480461E+02 -0.2197962E+02  0.7382113E+00  0.1082112E+06              Line 10( 22) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4400000E+01 -0.2013509E-03  0.5051891E+02 -0.2172459E+02  0.1812158E+01  0.1080661E+06              Line 10( 23) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4600000E+01 -0.3019790E-03  0.4629074E+02 -0.2127159E+02  0.2717811E+01  0.1078953E+06              Line 10( 24) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4800000E+01 -0.3854457E-03  0.4215755E+02 -0.2065291E+02  0.3469012E+01  0.1076940E+06              Line 10( 25) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5000000E+01 -0.4532542E-03  0.3815060E+02 -0.1989808E+02  0.4079288E+01  0.1074560E+06              Line 10( 26) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5200000E+01 -0.5068613E-03  0.3429545E+02 -0.1903397E+02  0.4561752E+01  0.1071742E+06              Line 10( 27) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5400000E+01 -0.5476685E-03  0.3061254E+02 -0.1808490E+02  0.4929017E+01  0.1068393E+06              Line 10( 28) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5600000E+01 -0.5770146E-03  0.2711762E+02 -0.1707268E+02  0.5193131E+01  0.1064386E+06              Line 10( 29) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5800000E+01 -0.5961697E-03  0.2382227E+02 -0.1601682E+02  0.5365527E+01  0.1059556E+06              Line 10( 30) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+01 -0.6063315E-03  0.2073434E+02 -0.1493457E+02  0.5456984E+01  0.1053691E+06              Line 10( 31) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6200000E+01 -0.6086223E-03  0.1785840E+02 -0.1384111E+02  0.5477600E+01  0.1046477E+06              Line 10( 32) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6400000E+01 -0.6040869E-03  0.1519610E+02 -0.1274967E+02  0.5436782E+01  0.1037504E+06              Line 10( 33) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6600000E+01 -0.5936928E-03  0.1274659E+02 -0.1167167E+02  0.5343235E+01  0.1026147E+06              Line 10( 34) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6800000E+01 -0.5783300E-03  0.1050683E+02 -0.1061685E+02  0.5204970E+01  0.1011504E+06              Line 10( 35) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7000000E+01 -0.5588122E-03  0.8471948E+01 -0.9593420E+01  0.5029310E+01  0.9921398E+05              Line 10( 36) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7200000E+01 -0.5358788E-03  0.6635503E+01 -0.8608198E+01  0.4822909E+01  0.9657110E+05              Line 10( 37) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7400000E+01 -0.5101970E-03  0.4989777E+01 -0.7666730E+01  0.4591773E+01  0.9281245E+05              Line 10( 38) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7600000E+01 -0.4823647E-03  0.3526000E+01 -0.6773424E+01  0.4341282E+01  0.9121439E+05              Line 10( 39) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7800000E+01 -0.4529861E-03  0.2234638E+01 -0.5931608E+01  0.4076875E+01  0.9121439E+05              Line 10( 40) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8000000E+01 -0.4226276E-03  0.1105567E+01 -0.5143556E+01  0.3803648E+01  0.9121439E+05              Line 10( 41) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8200000E+01 -0.3917843E-03  0.1282544E+00 -0.4410585E+01  0.3526058E+01  0.9121439E+05              Line 10( 42) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8400000E+01 -0.3608847E-03 -0.7080612E+00 -0.3733183E+01  0.3247962E+01  0.9121439E+05              Line 10( 43) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8600000E+01 -0.3302956E-03 -0.1414210E+01 -0.3111121E+01  0.2972661E+01  0.9121439E+05              Line 10( 44) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8800000E+01 -0.3003267E-03 -0.2000956E+01 -0.2543561E+01  0.2702941E+01  0.9121439E+05              Line 10( 45) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9000000E+01 -0.2712353E-03 -0.2478882E+01 -0.2029155E+01  0.2441118E+01  0.9121439E+05              Line 10( 46) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9200000E+01 -0.2432310E-03 -0.2858295E+01 -0.1566135E+01  0.2189079E+01  0.9121439E+05              Line 10( 47) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9400000E+01 -0.2164800E-03 -0.3149141E+01 -0.1152395E+01  0.1948320E+01  0.9121439E+05              Line 10( 48) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9600000E+01 -0.1911101E-03 -0.3360949E+01 -0.7855643E+00  0.1719991E+01  0.9121439E+05              Line 10( 49) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9800000E+01 -0.1672140E-03 -0.3502779E+01 -0.4630726E+00  0.1504926E+01  0.9121439E+05              Line 10( 50) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1000000E+02 -0.1448540E-03 -0.3583183E+01 -0.1822114E+00  0.1303686E+01  0.9121439E+05              Line 10( 51) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1020000E+02 -0.1240653E-03 -0.3610183E+01  0.5981603E-01  0.1116588E+01  0.9121439E+05              Line 10( 52) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1040000E+02 -0.1048598E-03 -0.3591252E+01  0.2658486E+00  0.9437382E+00  0.9121439E+05              Line 10( 53) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1060000E+02 -0.8722914E-04 -0.3533312E+01  0.4387287E+00  0.7850623E+00  0.9121439E+05              Line 10( 54) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1080000E+02 -0.7114794E-04 -0.3442730E+01  0.5812681E+00  0.6403314E+00  0.9121439E+05              Line 10( 55) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1100000E+02 -0.5657646E-04 -0.3325327E+01  0.6962200E+00  0.5091882E+00  0.9121439E+05              Line 10( 56) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1120000E+02 -0.4346324E-04 -0.3186390E+01  0.7862558E+00  0.3911691E+00  0.9121439E+05              Line 10( 57) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1140000E+02 -0.3174733E-04 -0.3030688E+01  0.8539453E+00  0.2857260E+00  0.9121439E+05              Line 10( 58) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1160000E+02 -0.2136046E-04 -0.2862494E+01  0.9017423E+00  0.1922441E+00  0.9121439E+05              Line 10( 59) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1180000E+02 -0.1222887E-04 -0.2685606E+01  0.9319727E+00  0.1100598E+00  0.9121439E+05              Line 10( 60) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+02 -0.4274996E-05 -0.2503373E+01  0.9468262E+00  0.3847496E-01  0.9121439E+05              Line 10( 61) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1220000E+02  0.2581082E-05 -0.2318724E+01  0.9483507E+00 -0.2322974E-01  0.9121439E+05              Line 10( 62) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1240000E+02  0.8420337E-05 -0.2134189E+01  0.9384494E+00 -0.7578303E-01  0.9121439E+05              Line 10( 63) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1260000E+02  0.1332369E-04 -0.1951938E+01  0.9188798E+00 -0.1199132E+00  0.9121439E+05              Line 10( 64) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1280000E+02  0.1737107E-04 -0.1773798E+01  0.8912545E+00 -0.1563396E+00  0.9121439E+05              Line 10( 65) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1300000E+02  0.2064059E-04 -0.1601290E+01  0.8570440E+00 -0.1857653E+00  0.9121439E+05              Line 10( 66) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1320000E+02  0.2320789E-04 -0.1435650E+01  0.8175804E+00 -0.2088710E+00  0.9121439E+05              Line 10( 67) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1340000E+02  0.2514563E-04 -0.1277861E+01  0.7740622E+00 -0.2263107E+00  0.9121439E+05              Line 10( 68) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1360000E+02  0.2652299E-04 -0.1128677E+01  0.7275604E+00 -0.2387069E+00  0.9121439E+05              Line 10( 69) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1380000E+02  0.2740539E-04 -0.9886451E+00  0.6790249E+00 -0.2466485E+00  0.9121439E+05              Line 10( 70) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1400000E+02  0.2785425E-04 -0.8581322E+00  0.6292912E+00 -0.2506882E+00  0.9121439E+05              Line 10( 71) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1420000E+02  0.2792679E-04 -0.7373457E+00  0.5790883E+00 -0.2513411E+00  0.9121439E+05              Line 10( 72) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1440000E+02  0.2767599E-04 -0.6263542E+00  0.5290458E+00 -0.2490839E+00  0.9121439E+05              Line 10( 73) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1460000E+02  0.2715051E-04 -0.5251064E+00  0.4797019E+00 -0.2443546E+00  0.9121439E+05              Line 10( 74) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1480000E+02  0.2639476E-04 -0.4334485E+00  0.4315112E+00 -0.2375528E+00  0.9121439E+05              Line 10( 75) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1500000E+02  0.2544893E-04 -0.3511406E+00  0.3848519E+00 -0.2290403E+00  0.9121439E+05              Line 10( 76) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1520000E+02  0.2434911E-04 -0.2778712E+00  0.3400337E+00 -0.2191420E+00  0.9121439E+05              Line 10( 77) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1540000E+02  0.2312744E-04 -0.2132700E+00  0.2973048E+00 -0.2081470E+00  0.9121439E+05              Line 10( 78) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1560000E+02  0.2181225E-04 -0.1569198E+00  0.2568590E+00 -0.1963102E+00  0.9121439E+05              Line 10( 79) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1580000E+02  0.2042824E-04 -0.1083670E+00  0.2188426E+00 -0.1838542E+00  0.9121439E+05              Line 10( 80) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1600000E+02  0.1899671E-04 -0.6713034E-01  0.1833601E+00 -0.1709704E+00  0.9121439E+05              Line 10( 81) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1620000E+02  0.1753574E-04 -0.3270895E-01  0.1504809E+00 -0.1578217E+00  0.9121439E+05              Line 10( 82) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1640000E+02  0.1606043E-04 -0.4588948E-02  0.1202444E+00 -0.1445439E+00  0.9121439E+05              Line 10( 83) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1660000E+02  0.1458311E-04  0.1775091E-01  0.9266519E-01 -0.1312480E+00  0.9121439E+05              Line 10( 84) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1680000E+02  0.1311357E-04  0.3483462E-01  0.6773818E-01 -0.1180221E+00  0.9121439E+05              Line 10( 85) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1700000E+02  0.1165930E-04  0.4718522E-01  0.4544260E-01 -0.1049337E+00  0.9121439E+05              Line 10( 86) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1720000E+02  0.1022573E-04  0.5532193E-01  0.2574607E-01 -0.9203158E-01  0.9121439E+05              Line 10( 87) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1740000E+02  0.8816419E-05  0.5975796E-01  0.8608131E-02 -0.7934778E-01  0.9121439E+05              Line 10( 88) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1760000E+02  0.7433313E-05  0.6099911E-01 -0.6016628E-02 -0.6689982E-01  0.9121439E+05              Line 10( 89) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1780000E+02  0.6076957E-05  0.5954288E-01 -0.1817587E-01 -0.5469261E-01  0.9121439E+05              Line 10( 90) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+02  0.4746711E-05  0.5587805E-01 -0.2791717E-01 -0.4272040E-01  0.9121439E+05              Line 10( 91) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1820000E+02  0.3440970E-05  0.5048480E-01 -0.3528609E-01 -0.3096873E-01  0.9121439E+05              Line 10( 92) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1840000E+02  0.2157368E-05  0.4383509E-01 -0.4032459E-01 -0.1941631E-01  0.9121439E+05              Line 10( 93) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1860000E+02  0.8929883E-06  0.3639335E-01 -0.4306991E-01 -0.8036894E-02  0.9121439E+05              Line 10( 94) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1880000E+02 -0.3554317E-06  0.2861736E-01 -0.4355371E-01  0.3198885E-02  0.9121439E+05              Line 10( 95) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1900000E+02 -0.1591302E-05  0.2095929E-01 -0.4180165E-01  0.1432172E-01  0.9121439E+05              Line 10( 96) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1920000E+02 -0.2817981E-05  0.1386674E-01 -0.3783330E-01  0.2536183E-01  0.9121439E+05              Line 10( 97) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1940000E+02 -0.4038580E-05  0.7783798E-02 -0.3166239E-01  0.3634722E-01  0.9121439E+05              Line 10( 98) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1960000E+02 -0.5255765E-05  0.3152013E-02 -0.2329748E-01  0.4730188E-01  0.9121439E+05              Line 10( 99) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1980000E+02 -0.6471567E-05  0.4111963E-03 -0.1274288E-01  0.5824411E-01  0.9121439E+05              Line 10(100) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2000000E+02 -0.7687190E-05  0.0000000E+00  0.0000000E+00  0.6918471E-01  0.9121439E+05              Line 10(101) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 2
  0.5000000E+02  0.4219233E-02  0.4300834E+02  0.5000000E+02 -0.1595577E-02                             Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)
  0.1000000E+03  0.8589016E-02  0.8720578E+02  0.1000000E+03 -0.3280822E-02                             Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)
    0    0    0                                                                                         Line 16: Number pushover steps computed, pushover BC type
    0  0.0000000E+00  0.0000000E+00                                                                     Line 18: Number of buckling points computed, Vtop, Mtop
