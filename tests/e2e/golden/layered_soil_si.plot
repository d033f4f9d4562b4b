    3    2    0    0                                                                                    Line 1 : i_Analysis_Type, IUNITS, KYL, ib_ComputeKmatrix_1T0F
    2                                                                                                   Line 2 : Total number of sections
    1                                                                           Line 3 : Total number of axial thrusts
   91            0.8000000E+03  0.1613493E+04                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m), Section 1
  0.2520718E+02  0.3083584E+06  0.8174637E-04                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=1
  0.5041436E+02  0.3083584E+06  0.1634927E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=2
  0.7562154E+02  0.3083584E+06  0.2452391E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=3
  0.1008287E+03  0.3083584E+06  0.3269855E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=4
  0.1260359E+03  0.3083584E+06  0.4087319E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=5
  0.1512431E+03  0.3083584E+06  0.4904782E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=6
  0.1764503E+03  0.3083584E+06  0.5722246E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=7
  0.2016574E+03  0.3083584E+06  0.6539710E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=8
  0.2268646E+03  0.3083584E+06  0.7357174E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=9
  0.2520718E+03  0.3083584E+06  0.8174637E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=10
  0.2772790E+03  0.3083584E+06  0.8992101E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=11
  0.3024862E+03  0.3083584E+06  0.9809565E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=12
  0.3276933E+03  0.3083584E+06  0.1062703E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=13
  0.3529005E+03  0.3083584E+06  0.1144449E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=14
  0.3781077E+03  0.3083584E+06  0.1226196E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=15
  0.4033149E+03  0.3083584E+06  0.1307942E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=16
  0.4285221E+03  0.3083584E+06  0.1389688E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=17
  0.4537292E+03  0.3083584E+06  0.1471435E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=18
  0.4789364E+03  0.3083584E+06  0.1553181E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=19
  0.5041436E+03  0.3083584E+06  0.1634927E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=20
  0.5293508E+03  0.3083584E+06  0.1716674E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=21
  0.5545580E+03  0.3083584E+06  0.1798420E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=22
  0.5797651E+03  0.3083584E+06  0.1880167E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=23
  0.6049723E+03  0.3083584E+06  0.1961913E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=24
  0.6301795E+03  0.3083584E+06  0.2043659E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=25
  0.6553867E+03  0.3083584E+06  0.2125406E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=26
  0.6805939E+03  0.3083584E+06  0.2207152E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=27
  0.7058010E+03  0.3083584E+06  0.2288898E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=28
  0.7310082E+03  0.3083584E+06  0.2370645E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=29
  0.7562154E+03  0.3083584E+06  0.2452391E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=30
  0.7814226E+03  0.3083584E+06  0.2534138E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=31
  0.8066298E+03  0.3083584E+06  0.2615884E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=32
  0.8318369E+03  0.3083584E+06  0.2697630E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=33
  0.8570441E+03  0.3083584E+06  0.2779377E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=34
  0.8822513E+03  0.3083584E+06  0.2861123E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=35
  0.9074585E+03  0.3083584E+06  0.2942869E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=36
  0.9326657E+03  0.3083584E+06  0.3024616E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=37
  0.9578728E+03  0.3083584E+06  0.3106362E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=38
  0.9830800E+03  0.3083584E+06  0.3188109E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=39
  0.1033494E+04  0.3083584E+06  0.3351601E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=40
  0.1083909E+04  0.3083584E+06  0.3515094E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=41
  0.1134323E+04  0.3083584E+06  0.3678587E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=42
  0.1183137E+04  0.3079420E+06  0.3842080E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=43
  0.1225834E+04  0.3060321E+06  0.4005572E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=44
  0.1262986E+04  0.3029422E+06  0.4169065E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=45
  0.1296458E+04  0.2992362E+06  0.4332558E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=46
  0.1327044E+04  0.2951578E+06  0.4496050E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=47
  0.1354957E+04  0.2907918E+06  0.4659543E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=48
  0.1379471E+04  0.2860171E+06  0.4823036E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=49
  0.1400159E+04  0.2807883E+06  0.4986529E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=50
  0.1417648E+04  0.2752702E+06  0.5150021E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=51
  0.1432842E+04  0.2696599E+06  0.5313514E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=52
  0.1446277E+04  0.2640634E+06  0.5477007E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=53
  0.1458273E+04  0.2585361E+06  0.5640500E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=54
  0.1469044E+04  0.2531092E+06  0.5803992E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=55
  0.1478767E+04  0.2478041E+06  0.5967485E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=56
  0.1487594E+04  0.2426356E+06  0.6130978E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=57
  0.1495591E+04  0.2376039E+06  0.6294471E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=58
  0.1502880E+04  0.2327174E+06  0.6457963E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=59
  0.1509603E+04  0.2279866E+06  0.6621456E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=60
  0.1515830E+04  0.2234106E+06  0.6784949E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=61
  0.1521468E+04  0.2189654E+06  0.6948442E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=62
  0.1526701E+04  0.2146675E+06  0.7111934E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=63
  0.1531655E+04  0.2105245E+06  0.7275427E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=64
  0.1536105E+04  0.2064957E+06  0.7438920E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=65
  0.1540328E+04  0.2026105E+06  0.7602413E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=66
  0.1544270E+04  0.1988525E+06  0.7765905E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=67
  0.1547901E+04  0.1952103E+06  0.7929398E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=68
  0.1551379E+04  0.1916965E+06  0.8092891E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=69
  0.1554540E+04  0.1882834E+06  0.8256384E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=70
  0.1557598E+04  0.1849906E+06  0.8419876E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=71
  0.1560397E+04  0.1817930E+06  0.8583369E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=72
  0.1563073E+04  0.1787010E+06  0.8746862E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=73
  0.1565603E+04  0.1757060E+06  0.8910355E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=74
  0.1567933E+04  0.1727970E+06  0.9073847E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=75
  0.1570200E+04  0.1699840E+06  0.9237340E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=76
  0.1572294E+04  0.1672505E+06  0.9400833E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=77
  0.1574312E+04  0.1646026E+06  0.9564326E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=78
  0.1576215E+04  0.1620317E+06  0.9727818E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=79
  0.1582880E+04  0.1524669E+06  0.1038179E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=80
  0.1588368E+04  0.1439292E+06  0.1103576E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=81
  0.1592937E+04  0.1362681E+06  0.1168973E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=82
  0.1596775E+04  0.1293595E+06  0.1234370E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=83
  0.1600046E+04  0.1231025E+06  0.1299767E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=84
  0.1602810E+04  0.1174078E+06  0.1365164E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=85
  0.1605230E+04  0.1122098E+06  0.1430562E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=86
  0.1607345E+04  0.1074458E+06  0.1495959E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=87
  0.1609140E+04  0.1030605E+06  0.1561356E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=88
  0.1610791E+04  0.9901879E+05  0.1626753E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=89
  0.1612180E+04  0.9527404E+05  0.1692150E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=90
  0.1613493E+04  0.9180367E+05  0.1757547E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=1, AxLd#=1, CurvPnt#=91
   90            0.8000000E+03  0.1086206E+04                                                           Line 4b : Num. M-EI-Crv Points, Axial Thrust Load (kN), Nom. Moment Cap. (kN-m), Section 2
  0.1690871E+02  0.2126494E+06  0.7951446E-04                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=1
  0.3381741E+02  0.2126494E+06  0.1590289E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=2
  0.5072612E+02  0.2126494E+06  0.2385434E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=3
  0.6763483E+02  0.2126494E+06  0.3180578E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=4
  0.8454353E+02  0.2126494E+06  0.3975723E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=5
  0.1014522E+03  0.2126494E+06  0.4770868E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=6
  0.1183609E+03  0.2126494E+06  0.5566012E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=7
  0.1352697E+03  0.2126494E+06  0.6361157E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=8
  0.1521784E+03  0.2126494E+06  0.7156302E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=9
  0.1690871E+03  0.2126494E+06  0.7951446E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=10
  0.1859958E+03  0.2126494E+06  0.8746591E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=11
  0.2029045E+03  0.2126494E+06  0.9541735E-03                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=12
  0.2198132E+03  0.2126494E+06  0.1033688E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=13
  0.2367219E+03  0.2126494E+06  0.1113202E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=14
  0.2536306E+03  0.2126494E+06  0.1192717E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=15
  0.2705393E+03  0.2126494E+06  0.1272231E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=16
  0.2874480E+03  0.2126494E+06  0.1351746E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=17
  0.3043567E+03  0.2126494E+06  0.1431260E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=18
  0.3212654E+03  0.2126494E+06  0.1510775E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=19
  0.3381741E+03  0.2126494E+06  0.1590289E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=20
  0.3550828E+03  0.2126494E+06  0.1669804E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=21
  0.3719915E+03  0.2126494E+06  0.1749318E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=22
  0.3889002E+03  0.2126494E+06  0.1828833E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=23
  0.4058090E+03  0.2126494E+06  0.1908347E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=24
  0.4227177E+03  0.2126494E+06  0.1987862E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=25
  0.4396264E+03  0.2126494E+06  0.2067376E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=26
  0.4565351E+03  0.2126494E+06  0.2146890E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=27
  0.4734438E+03  0.2126494E+06  0.2226405E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=28
  0.4903525E+03  0.2126494E+06  0.2305919E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=29
  0.5072612E+03  0.2126494E+06  0.2385434E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=30
  0.5241699E+03  0.2126494E+06  0.2464948E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=31
  0.5410786E+03  0.2126494E+06  0.2544463E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=32
  0.5579873E+03  0.2126494E+06  0.2623977E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=33
  0.5748960E+03  0.2126494E+06  0.2703492E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=34
  0.5918047E+03  0.2126494E+06  0.2783006E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=35
  0.6087134E+03  0.2126494E+06  0.2862521E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=36
  0.6256221E+03  0.2126494E+06  0.2942035E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=37
  0.6425308E+03  0.2126494E+06  0.3021550E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=38
  0.6594395E+03  0.2126494E+06  0.3101064E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=39
  0.6932570E+03  0.2126494E+06  0.3260093E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=40
  0.7270744E+03  0.2126494E+06  0.3419122E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=41
  0.7606395E+03  0.2125789E+06  0.3578151E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=42
  0.7904078E+03  0.2114985E+06  0.3737180E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=43
  0.8159326E+03  0.2094171E+06  0.3896209E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=44
  0.8387755E+03  0.2068376E+06  0.4055238E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=45
  0.8595426E+03  0.2039602E+06  0.4214267E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=46
  0.8786049E+03  0.2009023E+06  0.4373295E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=47
  0.8962317E+03  0.1977422E+06  0.4532324E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=48
  0.9126346E+03  0.1945355E+06  0.4691353E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=49
  0.9279459E+03  0.1913140E+06  0.4850382E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=50
  0.9420007E+03  0.1880462E+06  0.5009411E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=51
  0.9543389E+03  0.1846474E+06  0.5168440E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=52
  0.9648311E+03  0.1811050E+06  0.5327469E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=53
  0.9739422E+03  0.1775162E+06  0.5486498E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=54
  0.9820303E+03  0.1739484E+06  0.5645527E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=55
  0.9892768E+03  0.1704311E+06  0.5804556E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=56
  0.9958170E+03  0.1669829E+06  0.5963585E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=57
  0.1001744E+04  0.1636138E+06  0.6122614E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=58
  0.1007088E+04  0.1603225E+06  0.6281643E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=59
  0.1011998E+04  0.1571262E+06  0.6440671E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=60
  0.1016540E+04  0.1540282E+06  0.6599700E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=61
  0.1020719E+04  0.1510223E+06  0.6758729E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=62
  0.1024500E+04  0.1480971E+06  0.6917758E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=63
  0.1028064E+04  0.1452726E+06  0.7076787E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=64
  0.1031363E+04  0.1425359E+06  0.7235816E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=65
  0.1034395E+04  0.1398805E+06  0.7394845E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=66
  0.1037256E+04  0.1373145E+06  0.7553874E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=67
  0.1039907E+04  0.1348269E+06  0.7712903E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=68
  0.1042393E+04  0.1324189E+06  0.7871932E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=69
  0.1044723E+04  0.1300870E+06  0.8030961E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=70
  0.1046890E+04  0.1278255E+06  0.8189990E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=71
  0.1048954E+04  0.1256380E+06  0.8349019E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=72
  0.1050851E+04  0.1235125E+06  0.8508047E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=73
  0.1052695E+04  0.1214591E+06  0.8667076E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=74
  0.1054367E+04  0.1194601E+06  0.8826105E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=75
  0.1056021E+04  0.1175297E+06  0.8985134E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=76
  0.1057520E+04  0.1156497E+06  0.9144163E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=77
  0.1058955E+04  0.1138270E+06  0.9303192E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=78
  0.1060373E+04  0.1120639E+06  0.9462221E-02                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=79
  0.1065131E+04  0.1054759E+06  0.1009834E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=80
  0.1069074E+04  0.9959282E+05  0.1073445E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=81
  0.1072358E+04  0.9430998E+05  0.1137057E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=82
  0.1075114E+04  0.8954294E+05  0.1200668E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=83
  0.1077456E+04  0.8522292E+05  0.1264280E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=84
  0.1079485E+04  0.8129318E+05  0.1327892E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=85
  0.1081213E+04  0.7770110E+05  0.1391503E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=86
  0.1082694E+04  0.7440608E+05  0.1455115E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=87
  0.1084027E+04  0.7137741E+05  0.1518726E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=88
  0.1085172E+04  0.6858031E+05  0.1582338E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=89
  0.1086206E+04  0.6599269E+05  0.1645949E-01                                                           Line 5 : Moment (kN-m), EI (kN-m^2), Curvature (rad/m) for Sect#=2, AxLd#=1, CurvPnt#=90
    0                                                                                                   Line 6 : number of output p-y curves
    2  101    2                                                                                         Line 9:  No. loads, No. nodes, iunits: 1 = USCS, 2 = SI
  0.0000000E+00  0.4595983E-01  0.2000000E+03  0.1000000E+03  0.0000000E+00  0.3083584E+06              Line 10(  1) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1500000E+00  0.4437457E-01  0.2162851E+03  0.1002250E+03  0.0000000E+00  0.3083584E+06              Line 10(  2) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3000000E+00  0.4280509E-01  0.2325913E+03  0.1004500E+03  0.0000000E+00  0.3083584E+06              Line 10(  3) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4500000E+00  0.4125258E-01  0.2489177E+03  0.1006562E+03  0.0000000E+00  0.3083584E+06              Line 10(  4) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+00  0.3971824E-01  0.2652577E+03  0.9975758E+02 -0.1323222E+02  0.3083584E+06              Line 10(  5) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7500000E+00  0.3820325E-01  0.2812844E+03  0.9772812E+02 -0.1382726E+02  0.3083584E+06              Line 10(  6) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9000000E+00  0.3670878E-01  0.2969837E+03  0.9561077E+02 -0.1440412E+02  0.3083584E+06              Line 10(  7) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1050000E+01  0.3523598E-01  0.3123415E+03  0.9340830E+02 -0.1496219E+02  0.3083584E+06              Line 10(  8) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+01  0.3378598E-01  0.3273444E+03  0.9112355E+02 -0.1550102E+02  0.3083584E+06              Line 10(  9) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1350000E+01  0.3235986E-01  0.3419794E+03  0.8875946E+02 -0.1602030E+02  0.3083584E+06              Line 10( 10) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1500000E+01  0.3095869E-01  0.3562341E+03  0.8631894E+02 -0.1651994E+02  0.3083584E+06              Line 10( 11) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1650000E+01  0.2958352E-01  0.3700962E+03  0.8380494E+02 -0.1700006E+02  0.3083584E+06              Line 10( 12) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+01  0.2823535E-01  0.3835542E+03  0.8122035E+02 -0.1746107E+02  0.3083584E+06              Line 10( 13) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1950000E+01  0.2691517E-01  0.3965970E+03  0.7856799E+02 -0.1790372E+02  0.3083584E+06              Line 10( 14) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2100000E+01  0.2562392E-01  0.4092137E+03  0.7585053E+02 -0.1832911E+02  0.3083584E+06              Line 10( 15) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2250000E+01  0.2436254E-01  0.4213942E+03  0.7307044E+02 -0.1873883E+02  0.3083584E+06              Line 10( 16) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2400000E+01  0.2313190E-01  0.4331285E+03  0.7022990E+02 -0.1913496E+02  0.3083584E+06              Line 10( 17) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2550000E+01  0.2193287E-01  0.4444069E+03  0.6733076E+02 -0.1952020E+02  0.3083584E+06              Line 10( 18) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2700000E+01  0.2076626E-01  0.4552202E+03  0.6437441E+02 -0.1989790E+02  0.3083584E+06              Line 10( 19) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2850000E+01  0.1963288E-01  0.4655593E+03  0.6136165E+02 -0.2027215E+02  0.3083584E+06              Line 10( 20) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3000000E+01  0.1853346E-01  0.4754150E+03  0.5829265E+02 -0.2064789E+02  0.3083584E+06              Line 10( 21) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3150000E+01  0.1746873E-01  0.4847784E+03  0.5516674E+02 -0.2103085E+02  0.3083584E+06              Line 10( 22) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3300000E+01  0.1643937E-01  0.4936403E+03  0.5198235E+02 -0.2142768E+02  0.3083584E+06              Line 10( 23) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3450000E+01  0.1544603E-01  0.5019912E+03  0.4873684E+02 -0.2184583E+02  0.3083584E+06              Line 10( 24) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3600000E+01  0.1448933E-01  0.5098214E+03  0.3718581E+02 -0.1321680E+03  0.3083584E+06              Line 10( 25) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3750000E+01  0.1356982E-01  0.5146479E+03  0.1735845E+02 -0.1321967E+03  0.3083584E+06              Line 10( 26) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3900000E+01  0.1268786E-01  0.5164701E+03 -0.2222364E+01 -0.1288809E+03  0.3083584E+06              Line 10( 27) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4050000E+01  0.1184359E-01  0.5153622E+03 -0.2107432E+02 -0.1224785E+03  0.3083584E+06              Line 10( 28) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4200000E+01  0.1103693E-01  0.5114685E+03 -0.3876770E+02 -0.1134332E+03  0.3083584E+06              Line 10( 29) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4350000E+01  0.1026758E-01  0.5049927E+03 -0.5494659E+02 -0.1022854E+03  0.3083584E+06              Line 10( 30) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4500000E+01  0.9535084E-02  0.4961860E+03 -0.6933771E+02 -0.8959616E+02  0.3083584E+06              Line 10( 31) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4650000E+01  0.8838791E-02  0.4853344E+03 -0.8174956E+02 -0.7589524E+02  0.3083584E+06              Line 10( 32) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4800000E+01  0.8177912E-02  0.4727469E+03 -0.9206572E+02 -0.6165348E+02  0.3083584E+06              Line 10( 33) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4950000E+01  0.7551528E-02  0.4587445E+03 -0.1002353E+03 -0.4727452E+02  0.3083584E+06              Line 10( 34) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5100000E+01  0.6958617E-02  0.4436517E+03 -0.1062633E+03 -0.3309820E+02  0.3083584E+06              Line 10( 35) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5250000E+01  0.6398079E-02  0.4277883E+03 -0.1102014E+03 -0.1940991E+02  0.3083584E+06              Line 10( 36) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5400000E+01  0.5868754E-02  0.4114632E+03 -0.1121410E+03 -0.6451793E+01  0.3083584E+06              Line 10( 37) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5550000E+01  0.5369453E-02  0.3949689E+03 -0.1122074E+03  0.5566335E+01  0.3083584E+06              Line 10( 38) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5700000E+01  0.4898972E-02  0.3785768E+03 -0.1105556E+03  0.1645759E+02  0.3083584E+06              Line 10( 39) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5850000E+01  0.4456114E-02  0.3625329E+03 -0.1073675E+03  0.2605032E+02  0.3083584E+06              Line 10( 40) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+01  0.4039709E-02  0.3470539E+03 -0.1028501E+03  0.3418204E+02  0.3083584E+06              Line 10( 41) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6150000E+01  0.3648628E-02  0.3323238E+03 -0.9723434E+02  0.4069485E+02  0.3083584E+06              Line 10( 42) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6300000E+01  0.3281795E-02  0.3184900E+03 -0.9077483E+02  0.4543192E+02  0.3083584E+06              Line 10( 43) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6450000E+01  0.2938202E-02  0.3056597E+03 -0.8374981E+02  0.4823496E+02  0.3083584E+06              Line 10( 44) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6600000E+01  0.2616911E-02  0.2938969E+03 -0.7646151E+02  0.4894244E+02  0.3083584E+06              Line 10( 45) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6750000E+01  0.2317066E-02  0.2832182E+03 -0.6923670E+02  0.4738834E+02  0.3083584E+06              Line 10( 46) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6900000E+01  0.2037886E-02  0.2735892E+03 -0.6242745E+02  0.4340163E+02  0.3083584E+06              Line 10( 47) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7050000E+01  0.1778669E-02  0.2649207E+03 -0.5641186E+02  0.3680627E+02  0.3083584E+06              Line 10( 48) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7200000E+01  0.1538782E-02  0.2570649E+03 -0.5159475E+02  0.2742187E+02  0.3083584E+06              Line 10( 49) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7350000E+01  0.1317653E-02  0.2498111E+03 -0.4840822E+02  0.1506516E+02  0.3083584E+06              Line 10( 50) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7500000E+01  0.1114752E-02  0.2428816E+03 -0.4731191E+02 -0.4476452E+00  0.3083584E+06              Line 10( 51) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7650000E+01  0.9295731E-03  0.2359280E+03 -0.4879279E+02 -0.1929746E+02  0.3083584E+06              Line 10( 52) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7800000E+01  0.7616092E-03  0.2285263E+03 -0.5336442E+02 -0.4165768E+02  0.3083584E+06              Line 10( 53) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7950000E+01  0.6103202E-03  0.2201740E+03 -0.6156537E+02 -0.6768821E+02  0.3083584E+06              Line 10( 54) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8100000E+01  0.4750966E-03  0.2102859E+03 -0.7162971E+02 -0.6650297E+02  0.3083584E+06              Line 10( 55) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8250000E+01  0.3552170E-03  0.1988892E+03 -0.8140255E+02 -0.6380160E+02  0.3083584E+06              Line 10( 56) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8400000E+01  0.2498498E-03  0.1860453E+03 -0.8966234E+02 -0.4632892E+02  0.3083584E+06              Line 10( 57) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8550000E+01  0.1580577E-03  0.1721482E+03 -0.9540508E+02 -0.3024094E+02  0.3083584E+06              Line 10( 58) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8700000E+01  0.7882674E-04  0.1575606E+03 -0.9883969E+02 -0.1555387E+02  0.3083584E+06              Line 10( 59) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8850000E+01  0.1109253E-04  0.1426139E+03 -0.1001754E+03 -0.2256146E+01  0.3083584E+06              Line 10( 60) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9000000E+01 -0.4623555E-04  0.1276081E+03 -0.9961798E+02  0.9688955E+01  0.3083584E+06              Line 10( 61) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9150000E+01 -0.9425246E-04  0.1128128E+03 -0.9736578E+02  0.2034033E+02  0.2126494E+06              Line 10( 62) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9300000E+01 -0.1303329E-03  0.9846561E+02 -0.9366880E+02  0.2895276E+02  0.2126494E+06              Line 10( 63) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9450000E+01 -0.1559948E-03  0.8476153E+02 -0.8882316E+02  0.3565572E+02  0.2126494E+06              Line 10( 64) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9600000E+01 -0.1726884E-03  0.7185254E+02 -0.8310429E+02  0.4059597E+02  0.2126494E+06              Line 10( 65) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9750000E+01 -0.1817793E-03  0.5985087E+02 -0.7676463E+02  0.4393278E+02  0.2126494E+06              Line 10( 66) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9900000E+01 -0.1845376E-03  0.4883263E+02 -0.7003217E+02  0.4583340E+02  0.2126494E+06              Line 10( 67) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1005000E+02 -0.1821290E-03  0.3884150E+02 -0.6310949E+02  0.4646896E+02  0.2126494E+06              Line 10( 68) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1020000E+02 -0.1756106E-03  0.2989264E+02 -0.5617351E+02  0.4601080E+02  0.2126494E+06              Line 10( 69) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1035000E+02 -0.1659294E-03  0.2197649E+02 -0.4937565E+02  0.4462729E+02  0.2126494E+06              Line 10( 70) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1050000E+02 -0.1539229E-03  0.1506260E+02 -0.4284252E+02  0.4248111E+02  0.2126494E+06              Line 10( 71) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1065000E+02 -0.1403226E-03  0.9103250E+01 -0.3667690E+02  0.3972715E+02  0.2126494E+06              Line 10( 72) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1080000E+02 -0.1257591E-03  0.4036994E+01 -0.3095905E+02  0.3651085E+02  0.2126494E+06              Line 10( 73) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1095000E+02 -0.1107685E-03 -0.2081098E+00 -0.2574821E+02  0.3296711E+02  0.2126494E+06              Line 10( 74) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1110000E+02 -0.9579994E-04 -0.3711436E+01 -0.2108420E+02  0.2921964E+02  0.2126494E+06              Line 10( 75) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1125000E+02 -0.8122405E-04 -0.6557005E+01 -0.1698916E+02  0.2538084E+02  0.2126494E+06              Line 10( 76) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1140000E+02 -0.6734194E-04 -0.8830951E+01 -0.1346920E+02  0.2155206E+02  0.2126494E+06              Line 10( 77) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1155000E+02 -0.5439422E-04 -0.1061923E+02 -0.1051597E+02  0.1782424E+02  0.2126494E+06              Line 10( 78) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1170000E+02 -0.4257010E-04 -0.1200556E+02 -0.8108237E+01  0.1427889E+02  0.2126494E+06              Line 10( 79) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1185000E+02 -0.3201626E-04 -0.1306960E+02 -0.6213120E+01  0.1098934E+02  0.2126494E+06              Line 10( 80) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+02 -0.2284529E-04 -0.1388528E+02 -0.4787258E+01  0.8022155E+01  0.2126494E+06              Line 10( 81) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1215000E+02 -0.1514349E-04 -0.1451928E+02 -0.3777690E+01  0.5438748E+01  0.2126494E+06              Line 10( 82) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1230000E+02 -0.8977944E-05 -0.1502968E+02  0.3094336E+01  0.8618826E+02  0.2126494E+06              Line 10( 83) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1245000E+02 -0.4402659E-05 -0.1359957E+02  0.1272837E+02  0.4226553E+02  0.2126494E+06              Line 10( 84) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1260000E+02 -0.1266317E-05 -0.1121734E+02  0.1681003E+02  0.1215665E+02  0.2126494E+06              Line 10( 85) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1275000E+02  0.6831418E-06 -0.8560628E+01  0.1722992E+02 -0.6558161E+01  0.2126494E+06              Line 10( 86) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1290000E+02  0.1726818E-05 -0.6050754E+01  0.1549475E+02 -0.1657746E+02  0.2126494E+06              Line 10( 87) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1305000E+02  0.2130277E-05 -0.3913361E+01  0.1271764E+02 -0.2045066E+02  0.2126494E+06              Line 10( 88) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1320000E+02  0.2119672E-05 -0.2235776E+01  0.9657676E+01 -0.2034885E+02  0.2126494E+06              Line 10( 89) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1335000E+02  0.1872503E-05 -0.1015852E+01  0.6783311E+01 -0.1797603E+02  0.2126494E+06              Line 10( 90) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1350000E+02  0.1517849E-05 -0.2003016E+00  0.4342258E+01 -0.1457135E+02  0.2126494E+06              Line 10( 91) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1365000E+02  0.1142002E-05  0.2874100E+00  0.2427165E+01 -0.1096322E+02  0.2126494E+06              Line 10( 92) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1380000E+02  0.7965645E-06  0.5284249E+00  0.1031397E+01 -0.7647019E+01  0.2126494E+06              Line 10( 93) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1395000E+02  0.5070390E-06  0.5973372E+00  0.9280296E-01 -0.4867574E+01  0.2126494E+06              Line 10( 94) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1410000E+02  0.2807164E-06  0.5566785E+00 -0.4743809E+00 -0.2694878E+01  0.2126494E+06              Line 10( 95) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1425000E+02  0.1132949E-06  0.4553379E+00 -0.7580691E+00 -0.1087631E+01  0.2126494E+06              Line 10( 96) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1440000E+02 -0.5948226E-08  0.3294871E+00 -0.8353587E+00  0.5710297E-01  0.2126494E+06              Line 10( 97) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1455000E+02 -0.9032902E-07  0.2048932E+00 -0.7660391E+00  0.8671586E+00  0.2126494E+06              Line 10( 98) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1470000E+02 -0.1530305E-06  0.9979303E-01 -0.5908203E+00  0.1469093E+01  0.2126494E+06              Line 10( 99) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1485000E+02 -0.2051731E-06  0.2773900E-01 -0.3329137E+00  0.1969661E+01  0.2126494E+06              Line 10(100) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1500000E+02 -0.2543806E-06  0.0000000E+00 -0.2035045E-02  0.2442054E+01  0.2126494E+06              Line 10(101) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
    0                                                                                                   Line 11: Num. points on Ytop vs. Length curve for load case 1
  0.0000000E+00  0.5000000E-02  0.2096485E+03 -0.1355647E+03  0.0000000E+00  0.3083584E+06              Line 10(  1) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1500000E+00  0.5007649E-02  0.1893245E+03 -0.1353397E+03  0.0000000E+00  0.3083584E+06              Line 10(  2) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3000000E+00  0.5029112E-02  0.1690233E+03 -0.1351147E+03  0.0000000E+00  0.3083584E+06              Line 10(  3) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4500000E+00  0.5062908E-02  0.1487459E+03 -0.1349084E+03  0.0000000E+00  0.3083584E+06              Line 10(  4) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+00  0.5107558E-02  0.1284880E+03 -0.1337387E+03  0.1434583E+02  0.3083584E+06              Line 10(  5) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7500000E+00  0.5161583E-02  0.1085453E+03 -0.1315350E+03  0.1503716E+02  0.3083584E+06              Line 10(  6) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9000000E+00  0.5223529E-02  0.8893470E+02 -0.1292292E+03  0.1570746E+02  0.3083584E+06              Line 10(  7) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1050000E+01  0.5291963E-02  0.6967228E+02 -0.1268245E+03  0.1635432E+02  0.3083584E+06              Line 10(  8) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+01  0.5365482E-02  0.5077377E+02 -0.1243248E+03  0.1697512E+02  0.3083584E+06              Line 10(  9) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1350000E+01  0.5442705E-02  0.3225424E+02 -0.1217342E+03  0.1756703E+02  0.3083584E+06              Line 10( 10) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1500000E+01  0.5522282E-02  0.1412808E+02 -0.1190571E+03  0.1812701E+02  0.3083584E+06              Line 10( 11) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1650000E+01  0.5602890E-02 -0.3591044E+01 -0.1162987E+03  0.1865171E+02  0.3083584E+06              Line 10( 12) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1800000E+01  0.5683236E-02 -0.2089030E+02 -0.1134645E+03  0.1913745E+02  0.3083584E+06              Line 10( 13) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1950000E+01  0.5762057E-02 -0.3775774E+02 -0.1105607E+03  0.1958013E+02  0.3083584E+06              Line 10( 14) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2100000E+01  0.5838123E-02 -0.5418242E+02 -0.1075941E+03  0.1997514E+02  0.3083584E+06              Line 10( 15) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2250000E+01  0.5910236E-02 -0.7015450E+02 -0.1045721E+03  0.2031724E+02  0.3083584E+06              Line 10( 16) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2400000E+01  0.5977230E-02 -0.8566535E+02 -0.1015033E+03  0.2060039E+02  0.3083584E+06              Line 10( 17) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2550000E+01  0.6037973E-02 -0.1007077E+03 -0.9839697E+02  0.2081752E+02  0.3083584E+06              Line 10( 18) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2700000E+01  0.6091368E-02 -0.1152757E+03 -0.9526364E+02  0.2096021E+02  0.3083584E+06              Line 10( 19) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.2850000E+01  0.6136351E-02 -0.1293655E+03 -0.9211525E+02  0.2101824E+02  0.3083584E+06              Line 10( 20) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3000000E+01  0.6171895E-02 -0.1429747E+03 -0.8896547E+02  0.2097889E+02  0.3083584E+06              Line 10( 21) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3150000E+01  0.6197007E-02 -0.1561036E+03 -0.8583011E+02  0.2082590E+02  0.3083584E+06              Line 10( 22) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3300000E+01  0.6210728E-02 -0.1687548E+03 -0.8272784E+02  0.2053775E+02  0.3083584E+06              Line 10( 23) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3450000E+01  0.6212136E-02 -0.1809341E+03 -0.7968115E+02  0.2008472E+02  0.3083584E+06              Line 10( 24) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3600000E+01  0.6200341E-02 -0.1926509E+03 -0.6988951E+02  0.1104705E+03  0.3083584E+06              Line 10( 25) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3750000E+01  0.6174489E-02 -0.2018708E+03 -0.5322459E+02  0.1117284E+03  0.3083584E+06              Line 10( 26) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.3900000E+01  0.6133907E-02 -0.2085651E+03 -0.3647802E+02  0.1115591E+03  0.3083584E+06              Line 10( 27) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4050000E+01  0.6078107E-02 -0.2127371E+03 -0.1985501E+02  0.1100809E+03  0.3083584E+06              Line 10( 28) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4200000E+01  0.6006785E-02 -0.2144199E+03 -0.3540943E+01  0.1074400E+03  0.3083584E+06              Line 10( 29) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4350000E+01  0.5919816E-02 -0.2136728E+03  0.1230174E+02  0.1037958E+03  0.3083584E+06              Line 10( 30) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4500000E+01  0.5817256E-02 -0.2105778E+03  0.2753457E+02  0.9930861E+02  0.3083584E+06              Line 10( 31) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4650000E+01  0.5699332E-02 -0.2052360E+03  0.4204255E+02  0.9413115E+02  0.3083584E+06              Line 10( 32) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4800000E+01  0.5566431E-02 -0.1977643E+03  0.5573256E+02  0.8840222E+02  0.3083584E+06              Line 10( 33) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.4950000E+01  0.5419101E-02 -0.1882921E+03  0.6853093E+02  0.8224272E+02  0.3083584E+06              Line 10( 34) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5100000E+01  0.5258031E-02 -0.1769583E+03  0.8038062E+02  0.7575321E+02  0.3083584E+06              Line 10( 35) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5250000E+01  0.5084049E-02 -0.1639098E+03  0.9123804E+02  0.6901239E+02  0.3083584E+06              Line 10( 36) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5400000E+01  0.4898108E-02 -0.1492990E+03  0.1010697E+03  0.6207626E+02  0.3083584E+06              Line 10( 37) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5550000E+01  0.4701272E-02 -0.1332827E+03  0.1098487E+03  0.5497762E+02  0.3083584E+06              Line 10( 38) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5700000E+01  0.4494711E-02 -0.1160217E+03  0.1175515E+03  0.4772571E+02  0.3083584E+06              Line 10( 39) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.5850000E+01  0.4279684E-02 -0.9768000E+02  0.1241539E+03  0.4030589E+02  0.3083584E+06              Line 10( 40) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6000000E+01  0.4057530E-02 -0.7842575E+02  0.1296278E+03  0.3267942E+02  0.3083584E+06              Line 10( 41) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6150000E+01  0.3829654E-02 -0.5843165E+02  0.1339374E+03  0.2478319E+02  0.3083584E+06              Line 10( 42) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6300000E+01  0.3597513E-02 -0.3787651E+02  0.1370359E+03  0.1652959E+02  0.3083584E+06              Line 10( 43) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6450000E+01  0.3362609E-02 -0.1694724E+02  0.1388611E+03  0.7806490E+01  0.3083584E+06              Line 10( 44) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6600000E+01  0.3126469E-02  0.4158662E+01  0.1393324E+03 -0.1522638E+01  0.3083584E+06              Line 10( 45) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6750000E+01  0.2890632E-02  0.2523006E+02  0.1383468E+03 -0.1161821E+02  0.3083584E+06              Line 10( 46) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.6900000E+01  0.2656636E-02  0.4603858E+02  0.1357757E+03 -0.2266370E+02  0.3083584E+06              Line 10( 47) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7050000E+01  0.2425999E-02  0.6633448E+02  0.1314611E+03 -0.3486435E+02  0.3083584E+06              Line 10( 48) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7200000E+01  0.2200202E-02  0.8584205E+02  0.1252129E+03 -0.4844513E+02  0.3083584E+06              Line 10( 49) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7350000E+01  0.1980669E-02  0.1042546E+03  0.1168059E+03 -0.6364811E+02  0.3083584E+06              Line 10( 50) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7500000E+01  0.1768744E-02  0.1212290E+03  0.1059776E+03 -0.8072881E+02  0.3083584E+06              Line 10( 51) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7650000E+01  0.1565664E-02  0.1363799E+03  0.9242659E+02 -0.9995153E+02  0.3083584E+06              Line 10( 52) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7800000E+01  0.1372535E-02  0.1492739E+03  0.7581147E+02 -0.1215834E+03  0.3083584E+06              Line 10( 53) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.7950000E+01  0.1190298E-02  0.1594236E+03  0.5575116E+02 -0.1458874E+03  0.3083584E+06              Line 10( 54) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8100000E+01  0.1019694E-02  0.1662816E+03  0.3413228E+02 -0.1423643E+03  0.3083584E+06              Line 10( 55) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8250000E+01  0.8612228E-03  0.1699266E+03  0.1185345E+02 -0.1546868E+03  0.3083584E+06              Line 10( 56) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8400000E+01  0.7151509E-03  0.1700812E+03 -0.9693691E+01 -0.1326084E+03  0.3083584E+06              Line 10( 57) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8550000E+01  0.5814892E-03  0.1672423E+03 -0.2798348E+02 -0.1112555E+03  0.3083584E+06              Line 10( 58) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8700000E+01  0.4600307E-03  0.1618903E+03 -0.4313553E+02 -0.9077197E+02  0.3083584E+06              Line 10( 59) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.8850000E+01  0.3503849E-03  0.1544865E+03 -0.5528837E+02 -0.7126589E+02  0.3083584E+06              Line 10( 60) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9000000E+01  0.2520115E-03  0.1454702E+03 -0.6459411E+02 -0.5281062E+02  0.3083584E+06              Line 10( 61) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9150000E+01  0.1642526E-03  0.1352571E+03 -0.7121342E+02 -0.3544685E+02  0.2126494E+06              Line 10( 62) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9300000E+01  0.9080501E-04  0.1242351E+03 -0.7538482E+02 -0.2017186E+02  0.2126494E+06              Line 10( 63) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9450000E+01  0.3050248E-04  0.1127487E+03 -0.7742061E+02 -0.6971947E+01  0.2126494E+06              Line 10( 64) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9600000E+01 -0.1787035E-04  0.1010959E+03 -0.7762843E+02  0.4201002E+01  0.2126494E+06              Line 10( 65) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9750000E+01 -0.5554643E-04  0.8952901E+02 -0.7630651E+02  0.1342457E+02  0.2126494E+06              Line 10( 66) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.9900000E+01 -0.8374964E-04  0.7825662E+02 -0.7373961E+02  0.2080080E+02  0.2126494E+06              Line 10( 67) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1005000E+02 -0.1036727E-03  0.6744563E+02 -0.7019570E+02  0.2645137E+02  0.2126494E+06              Line 10( 68) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1020000E+02 -0.1164594E-03  0.5722408E+02 -0.6592338E+02  0.3051291E+02  0.2126494E+06              Line 10( 69) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1035000E+02 -0.1231914E-03  0.4768423E+02 -0.6114995E+02  0.3313276E+02  0.2126494E+06              Line 10( 70) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1050000E+02 -0.1248780E-03  0.3888583E+02 -0.5608012E+02  0.3446503E+02  0.2126494E+06              Line 10( 71) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1065000E+02 -0.1224502E-03  0.3085960E+02 -0.5089520E+02  0.3466724E+02  0.2126494E+06              Line 10( 72) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1080000E+02 -0.1167572E-03  0.2361077E+02 -0.4575285E+02  0.3389738E+02  0.2126494E+06              Line 10( 73) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1095000E+02 -0.1085660E-03  0.1712264E+02 -0.4078718E+02  0.3231159E+02  0.2126494E+06              Line 10( 74) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1110000E+02 -0.9856306E-04  0.1136006E+02 -0.3610913E+02  0.3006241E+02  0.2126494E+06              Line 10( 75) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1125000E+02 -0.8735815E-04  0.6272933E+01 -0.3180713E+02  0.2729762E+02  0.2126494E+06              Line 10( 76) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1140000E+02 -0.7548951E-04  0.1799468E+01 -0.2794783E+02  0.2415961E+02  0.2126494E+06              Line 10( 77) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1155000E+02 -0.6343048E-04 -0.2130559E+01 -0.2457696E+02  0.2078530E+02  0.2126494E+06              Line 10( 78) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1170000E+02 -0.5159688E-04 -0.5592736E+01 -0.2172007E+02  0.1730666E+02  0.2126494E+06              Line 10( 79) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1185000E+02 -0.4035503E-04 -0.8665039E+01 -0.1938320E+02  0.1385156E+02  0.2126494E+06              Line 10( 80) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1200000E+02 -0.3003001E-04 -0.1142495E+02 -0.1755345E+02  0.1054508E+02  0.2126494E+06              Line 10( 81) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1215000E+02 -0.2091385E-04 -0.1394663E+02 -0.1619923E+02  0.7511160E+01  0.2126494E+06              Line 10( 82) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1230000E+02 -0.1327335E-04 -0.1629812E+02 -0.6079088E+01  0.1274241E+03  0.2126494E+06              Line 10( 83) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1245000E+02 -0.7357314E-05 -0.1578120E+02  0.8774987E+01  0.7063021E+02  0.2126494E+06              Line 10( 84) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1260000E+02 -0.3111059E-05 -0.1367376E+02  0.1631221E+02  0.2986616E+02  0.2126494E+06              Line 10( 85) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1275000E+02 -0.3115955E-06 -0.1089317E+02  0.1877653E+02  0.2991316E+01  0.2126494E+06              Line 10( 86) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1290000E+02  0.1335284E-05 -0.8044358E+01  0.1803947E+02 -0.1281872E+02  0.2126494E+06              Line 10( 87) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1305000E+02  0.2131006E-05 -0.5483285E+01  0.1554374E+02 -0.2045765E+02  0.2126494E+06              Line 10( 88) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1320000E+02  0.2346553E-05 -0.3382044E+01  0.1231990E+02 -0.2252691E+02  0.2126494E+06              Line 10( 89) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1335000E+02  0.2204253E-05 -0.1787373E+01  0.9043320E+01 -0.2116082E+02  0.2126494E+06              Line 10( 90) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1350000E+02  0.1872834E-05 -0.6686694E+00  0.6107818E+01 -0.1797921E+02  0.2126494E+06              Line 10( 91) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1365000E+02  0.1470665E-05  0.4555895E-01  0.3700498E+01 -0.1411839E+02  0.2126494E+06              Line 10( 92) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1380000E+02  0.1073317E-05  0.4421197E+00  0.1868831E+01 -0.1030384E+02  0.2126494E+06              Line 10( 93) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1395000E+02  0.7227481E-06  0.6068067E+00  0.5756646E+00 -0.6938381E+01  0.2126494E+06              Line 10( 94) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1410000E+02  0.4363844E-06  0.6153287E+00 -0.2589107E+00 -0.4189290E+01  0.2126494E+06              Line 10( 95) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1425000E+02  0.2151273E-06  0.5295395E+00 -0.7279991E+00 -0.2065222E+01  0.2126494E+06              Line 10( 96) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1440000E+02  0.4989974E-07  0.3972381E+00 -0.9188186E+00 -0.4790375E+00  0.2126494E+06              Line 10( 97) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1455000E+02 -0.7329687E-07  0.2541247E+00 -0.9019727E+00  0.7036500E+00  0.2126494E+06              Line 10( 98) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1470000E+02 -0.1696051E-06  0.1268219E+00 -0.7270833E+00  0.1628209E+01  0.2126494E+06              Line 10( 99) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1485000E+02 -0.2524945E-06  0.3614307E-01 -0.4231715E+00  0.2423947E+01  0.2126494E+06              Line 10(100) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
  0.1500000E+02 -0.3315597E-06  0.0000000E+00 -0.2652478E-02  0.3182974E+01  0.2126494E+06              Line 10(101) : nodal depth, y(m), M(kN-m), V(kN), p(kN/m), EI(kN-m2)
   19                                                                                                   Line 11: Num. points on Ytop vs. pile length curve for load case 2
  0.1500000E+02  0.5000000E-02  0.2144199E+03  0.1393324E+03                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.1425000E+02  0.5000000E-02  0.2150315E+03  0.1391873E+03                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.1350000E+02  0.5000000E-02  0.2135101E+03  0.1393096E+03                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.1275000E+02  0.5000000E-02  0.2154140E+03  0.1392999E+03                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.1200000E+02  0.5000000E-02  0.2139781E+03  0.1388520E+03                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.1125000E+02  0.5000000E-02  0.2135462E+03  0.1385339E+03                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.1050000E+02  0.5000000E-02  0.2131565E+03  0.1363059E+03                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.9750000E+01  0.5000000E-02  0.2116790E+03  0.1344790E+03                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.9000000E+01  0.5000000E-02  0.2192111E+03  0.1381132E+03                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.8249999E+01  0.5000000E-02  0.2243354E+03  0.1396940E+03                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.7500000E+01  0.5000000E-02  0.2156448E+03  0.1354125E+03                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.6750000E+01  0.5000000E-02  0.1952858E+03  0.1212884E+03                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.6000000E+01  0.5000000E-02  0.1739205E+03  0.1009299E+03                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.5249999E+01  0.5000000E-02  0.1726517E+03  0.8596826E+02                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.4500000E+01  0.5000000E-02  0.1805367E+03  0.7789775E+02                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.3750000E+01  0.5000000E-02  0.9729062E+02  0.5225373E+02                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.3000000E+01  0.5000000E-02  0.1710792E+02  0.2712938E+02                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.2250000E+01  0.5000000E-02  0.1906430E+02  0.2707917E+02                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.1499999E+01  0.5000000E-02  0.2425775E+02  0.2729985E+02                                            Line 12: pile length (m), Ytop (m), Max Moment(kN-m), Max Shear(kN)
  0.1000000E+03  0.4595983E-01  0.5164701E+03 -0.1122074E+03 -0.1061706E-01                             Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)
 -0.1355647E+03  0.5000000E-02 -0.2144199E+03  0.1393324E+03  0.4943261E-05                             Line 13: TopV(kN) TopY(m), Max Moment(kN-m), Max Shear(kN), Rotation(rad)
    0    0    0                                                                                         Line 16: Number pushover steps computed, pushover BC type
    0  0.0000000E+00  0.0000000E+00                                                                     Line 18: Number of buckling points computed, Vtop, Mtop
